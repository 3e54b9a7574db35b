#pragma once
// A temporary program directory for the list files, removed afterwards, and the bytes of a file.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pw::test {

class ListDir {
  public:
    ListDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pw-lists-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~ListDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ListDir(const ListDir&) = delete;
    ListDir& operator=(const ListDir&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Writes text with CRLF line ends, as the program's lists are stored.
    std::string Write(const std::string& name, const std::string& lines) const {
        std::string bytes;
        for (char c : lines) bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        std::ofstream(File(name), std::ios::binary) << bytes;
        return File(name);
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::string path_;
};

}  // namespace pw::test
