// make_library: writes the starter library pages LIB/LIB1.Lib ... and LIB/SOURCES.md into the
// data directory given as its argument. The files are committed; run it again after a change
// of the table in starter_table.cpp:
//   build/tools/make_library data
// With --sheet it writes instead one page holding every symbol side by side, to render and
// look at their sizes:
//   build/tools/make_library --sheet all.Lib && build/src/cli/plattenwerk-cli render all.Lib all.png
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "panel/document.h"
#include "starter_library.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--sheet") {
        std::vector<uint8_t> bytes;
        pw::BuildStarterSheet(500)->WritePanel(bytes, false);
        try {
            pw::WriteWholeFile(argv[2], bytes);
        } catch (const pw::FileError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_library DATA-DIRECTORY | make_library --sheet FILE.Lib\n");
        return 2;
    }
    const std::filesystem::path lib = std::filesystem::path(argv[1]) / "LIB";
    std::error_code ec;
    std::filesystem::create_directories(lib, ec);
    try {
        for (size_t p = 0; p < pw::StarterPages().size(); ++p)
            pw::WriteWholeFile((lib / pw::StarterPages()[p].file).string(),
                               pw::StarterPageBytes(static_cast<int>(p)));
        const std::string sources = pw::StarterSourcesText();
        pw::WriteWholeFile((lib / "SOURCES.md").string(),
                           {reinterpret_cast<const uint8_t*>(sources.data()), sources.size()});
    } catch (const pw::FileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
