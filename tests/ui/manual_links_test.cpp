// The manual's pages: every picture and page they point to is shipped with them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

TEST(Manual, EveryPictureAndPageLinkedIsThere) {
    const fs::path manual = fs::path(PW_DATA_DIR) / "manual";
    const std::regex link(R"re((?:src|href)="([^"#:]+)(?:#[^"]*)?")re");
    int links = 0;
    for (const auto& entry : fs::recursive_directory_iterator(manual)) {
        if (entry.path().extension() != ".html") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string page = text.str();
        for (std::sregex_iterator m(page.begin(), page.end(), link), end; m != end; ++m) {
            ++links;
            EXPECT_TRUE(fs::exists(entry.path().parent_path() / (*m)[1].str()))
                << entry.path() << " -> " << (*m)[1].str();
        }
    }
    EXPECT_GT(links, 30);
}

}  // namespace
