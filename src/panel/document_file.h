#pragma once
// Reading a document file from disk, bounded before anything is read: only regular files up to
// a size limit, and the first record's header judged before the rest is read. The window's open
// path and the command-line tool read documents through this.

#include <cstdint>
#include <string>
#include <vector>

#include "panel/document.h"

namespace pw {

// The largest document file read: 256 MiB. Real documents, embedded pictures included, stay far
// below; the limit keeps a wrong file from filling the memory.
inline constexpr uint64_t kMaxDocumentFileBytes = uint64_t{256} << 20;

// The size of a panel record's header: the name (a length byte and 40 characters) whose last
// four bytes hold the format version.
inline constexpr size_t kPanelHeaderBytes = 41;

// The bytes of a document file. Fails with FileError, before reading anything, when the path
// cannot be opened, is not a regular file (a directory, device or FIFO) or is larger than
// kMaxDocumentFileBytes. When the first header names no format version this program reads
// (text, a picture, a newer version), only the header is read: the document reader then fails
// on it as it would on the whole file.
std::vector<uint8_t> ReadDocumentFileBytes(const std::string& path);

std::string NotARegularFileMessage(const std::string& path);
std::string FileTooLargeMessage(const std::string& path);

}  // namespace pw
