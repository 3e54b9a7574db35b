#pragma once
// Documents made for the command-line tests, a temporary directory, and running the tool's
// commands with their output captured.

#include <filesystem>
#include <string>
#include <vector>

#include "panel/document.h"

namespace pw::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Names of the files in the directory, sorted.
    std::vector<std::string> Listing() const;

  private:
    std::filesystem::path path_;
};

struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& args);

// Two panels: "Front" (100 x 50 mm) with two drill holes and a group (a drill hole and a nested
// group of one drill hole), "Back" (80 x 40 mm) with one drill hole; two views.
std::vector<uint8_t> SampleDocument();

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const std::string& path);

}  // namespace pw::test
