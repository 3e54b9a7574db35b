#pragma once
// Element classes by stored name: the reader creates elements from the class names it finds.
// The layer that knows every element kind registers them (panel/register_elements.h).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/bauteil.h"

namespace pw {

using ElementFactory = std::unique_ptr<TBauteil> (*)();

void RegisterElementClass(std::string_view name, ElementFactory factory);
// Creates an element of the registered class; fails with "Klasse %s nicht gefunden".
std::unique_ptr<TBauteil> CreateElement(std::string_view name);
bool IsElementClassRegistered(std::string_view name);
std::vector<std::string> RegisteredElementClasses();

template <class T>
std::unique_ptr<TBauteil> MakeElement() {
    return std::make_unique<T>();
}

}  // namespace pw
