#pragma once
// The tagged value encoding shared by documents, undo snapshots, the element clipboard and the
// library: a one-byte tag and a little-endian payload per value, plus untagged raw fields.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "core/geometry.h"

namespace pw {

enum ValueTag : uint8_t {
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaFalse = 8,
    vaTrue = 9,
    vaLString = 12,
    vaInt64 = 19,
};

// A failure while reading stored data; what() is the message shown to the user.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The three messages that end a read, in the current language. A class name comes from the
// file: it is quoted with its unprintable bytes escaped when it has any.
namespace read_errors {
const char* StreamRead();
const char* InvalidValue();
std::string ClassNotFound(std::string_view name);
}  // namespace read_errors

// Where a panel record is read from; old layouts apply only to files, and panel properties
// are read only from files and undo snapshots.
enum class StreamSource { File, Undo, Clipboard };

// The format version of the record being read, as its four header characters say.
struct FormatVersion {
    std::string text = "2,02";
    Real value = 2.02L;
    static FormatVersion FromHeader(const uint8_t* fourChars);
};

inline constexpr const char* kCurrentVersionText = "2,02";
inline constexpr Real kCurrentVersion = 2.02L;

class TWriter {
public:
    explicit TWriter(std::vector<uint8_t>& out) : out_(out) {}

    // Tag 2, 3 or 4 by size; values beyond 32 bits with tag 19.
    void WriteInteger(int64_t v);
    void WriteFloat(Real v);
    void WriteBoolean(bool v);
    // UTF-8 text stored as Windows-1252; tag 6 below 256 bytes, else tag 12.
    void WriteString(std::string_view utf8);

    void WriteRaw(const void* data, size_t n);
    void WriteRawByte(uint8_t b) { out_.push_back(b); }
    void WriteRawInt32(int32_t v);
    void WriteRawColor(Color c) { WriteRawInt32(static_cast<int32_t>(c)); }
    void WriteRawExtended(Real v);
    void WriteRawPoint(MPoint p);

    std::vector<uint8_t>& Bytes() { return out_; }

private:
    std::vector<uint8_t>& out_;
};

class TReader {
public:
    TReader(std::span<const uint8_t> data, StreamSource source) : data_(data), source_(source) {}

    // Tags 2, 3, 4, sign-extended; any other tag fails.
    int32_t ReadInteger();
    // Tags 2, 3, 4 and 19.
    int64_t ReadInt64();
    // Tag 5, or an integer converted.
    Real ReadFloat();
    // True exactly for tag 9; any other tag reads as false.
    bool ReadBoolean();
    // Tags 6 and 12; returns UTF-8.
    std::string ReadString();

    void ReadRaw(void* out, size_t n);
    uint8_t ReadRawByte();
    int32_t ReadRawInt32();
    Color ReadRawColor() { return static_cast<Color>(ReadRawInt32()); }
    Real ReadRawExtended();
    MPoint ReadRawPoint();

    uint8_t PeekTag() const;
    size_t Position() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }
    size_t Size() const { return data_.size(); }
    void Seek(size_t pos);
    // The bytes from the current position to the end, for data embedded whole (pictures).
    std::span<const uint8_t> Rest() const { return data_.subspan(pos_); }

    StreamSource Source() const { return source_; }
    bool IsFile() const { return source_ == StreamSource::File; }
    const FormatVersion& Version() const { return version_; }
    void SetVersion(const FormatVersion& v) { version_ = v; }
    // Old layouts (format below 2.0) apply to files only.
    bool IsOldFile() const { return IsFile() && version_.value < 2.0L; }

    // Nesting of groups while reading; fails beyond a depth no real document reaches.
    void EnterGroup();
    void LeaveGroup() { --depth_; }
    static constexpr int kMaxGroupDepth = 64;

private:
    const uint8_t* Take(size_t n);

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    StreamSource source_;
    FormatVersion version_;
    int depth_ = 0;
};

}  // namespace pw
