// Writes the seed corpus of the document fuzzer: small documents made through the model, one
// per element kind the reader knows, plus one with every kind and several panels.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/registry.h"
#include "panel/document.h"
#include "panel/register_elements.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    pw::TPlatine all;
    all.Width = all.Height = 5000;
    int n = 0;
    pw::RegisterBuiltinElementClasses();
    for (const std::string& name : pw::RegisteredElementClasses()) {
        pw::TPlatine p;
        p.Width = p.Height = 5000;
        p.AddElement(pw::CreateElement(name));
        all.AddElement(pw::CreateElement(name));
        std::vector<uint8_t> bytes;
        pw::WriteDocument(bytes, {&p}, {});
        pw::WriteWholeFile(dir + "/" + name + ".fpl", bytes);
        ++n;
    }
    pw::TPlatine second;
    std::vector<uint8_t> bytes;
    pw::WriteDocument(bytes, {&all, &second}, {{1, 2, 3000, 2000, 1, "Ansicht"}});
    pw::WriteWholeFile(dir + "/all.fpl", bytes);
    std::printf("%d seeds written to %s\n", n + 1, dir.c_str());
    return 0;
}
