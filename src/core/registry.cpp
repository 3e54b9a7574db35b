#include "core/registry.h"

#include <map>

namespace pw {

namespace {
std::map<std::string, ElementFactory, std::less<>>& Classes() {
    static std::map<std::string, ElementFactory, std::less<>> classes;
    static bool builtins = [] {
        classes.emplace("TBauteil", &MakeElement<TBauteil>);
        return true;
    }();
    (void)builtins;
    return classes;
}
}  // namespace

void RegisterElementClass(std::string_view name, ElementFactory factory) {
    Classes()[std::string(name)] = factory;
}

std::unique_ptr<TBauteil> CreateElement(std::string_view name) {
    auto it = Classes().find(name);
    if (it == Classes().end()) throw StreamError(read_errors::ClassNotFound(name));
    return it->second();
}

bool IsElementClassRegistered(std::string_view name) {
    return Classes().count(name) > 0;
}

std::vector<std::string> RegisteredElementClasses() {
    std::vector<std::string> names;
    for (const auto& [name, f] : Classes()) names.push_back(name);
    return names;
}

}  // namespace pw
