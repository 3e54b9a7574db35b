#include "core/stream.h"

#include <cctype>
#include <cstring>

#include "core/cp1252.h"
#include "core/extended.h"
#include "core/language.h"
#include "core/printable_name.h"

namespace pw {

const char* read_errors::StreamRead() {
    return Tr("Stream-Read-Fehler", "Stream read error");
}

const char* read_errors::InvalidValue() {
    return Tr("Ungültiger Wert der Eigenschaft", "Invalid property value");
}

std::string read_errors::ClassNotFound(std::string_view name) {
    std::string shown = PrintableName(name);
    return IsEnglish() ? "Class " + shown + " not found" : "Klasse " + shown + " nicht gefunden";
}

FormatVersion FormatVersion::FromHeader(const uint8_t* c) {
    FormatVersion v;
    if (c[0] == 0) {
        v.text = "1,00";
        v.value = 1.0L;
        return v;
    }
    v.text.assign(reinterpret_cast<const char*>(c), 4);
    // The text must be a number such as "2,02"; anything else is not a record of ours.
    std::string number;
    bool digit = false;
    for (char ch : v.text) {
        if (ch == 0) break;
        if (ch == ',' || ch == '.') number.push_back('.');
        else if (std::isdigit(static_cast<unsigned char>(ch))) number.push_back(ch), digit = true;
        else if (ch == ' ') continue;
        else throw StreamError(read_errors::StreamRead());
    }
    if (!digit) throw StreamError(read_errors::StreamRead());
    v.value = std::strtold(number.c_str(), nullptr);
    v.text = Cp1252ToUtf8(v.text.substr(0, v.text.find('\0')));
    return v;
}

// --- Writer ---

void TWriter::WriteInteger(int64_t v) {
    if (v >= -128 && v <= 127) {
        out_.push_back(vaInt8);
        out_.push_back(static_cast<uint8_t>(static_cast<int8_t>(v)));
    } else if (v >= -32768 && v <= 32767) {
        out_.push_back(vaInt16);
        uint16_t u = static_cast<uint16_t>(static_cast<int16_t>(v));
        out_.push_back(static_cast<uint8_t>(u));
        out_.push_back(static_cast<uint8_t>(u >> 8));
    } else if (v >= INT32_MIN && v <= INT32_MAX) {
        out_.push_back(vaInt32);
        WriteRawInt32(static_cast<int32_t>(v));
    } else {
        out_.push_back(vaInt64);
        uint64_t u = static_cast<uint64_t>(v);
        for (int i = 0; i < 8; ++i) out_.push_back(static_cast<uint8_t>(u >> (8 * i)));
    }
}

void TWriter::WriteFloat(Real v) {
    out_.push_back(vaExtended);
    WriteRawExtended(v);
}

void TWriter::WriteBoolean(bool v) { out_.push_back(v ? vaTrue : vaFalse); }

void TWriter::WriteString(std::string_view utf8) {
    std::string raw = Utf8ToCp1252(utf8);
    if (raw.size() < 256) {
        out_.push_back(vaString);
        out_.push_back(static_cast<uint8_t>(raw.size()));
    } else {
        out_.push_back(vaLString);
        WriteRawInt32(static_cast<int32_t>(raw.size()));
    }
    WriteRaw(raw.data(), raw.size());
}

void TWriter::WriteRaw(const void* data, size_t n) {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    out_.insert(out_.end(), p, p + n);
}

void TWriter::WriteRawInt32(int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

void TWriter::WriteRawExtended(Real v) {
    ExtendedBytes b = EncodeExtended(v);
    out_.insert(out_.end(), b.begin(), b.end());
}

void TWriter::WriteRawPoint(MPoint p) {
    WriteRawExtended(p.x);
    WriteRawExtended(p.y);
}

// --- Reader ---

const uint8_t* TReader::Take(size_t n) {
    if (n > Remaining()) {
        pos_ = data_.size();
        throw StreamError(read_errors::StreamRead());
    }
    const uint8_t* p = data_.data() + pos_;
    pos_ += n;
    return p;
}

uint8_t TReader::PeekTag() const {
    if (Remaining() == 0) throw StreamError(read_errors::StreamRead());
    return data_[pos_];
}

void TReader::Seek(size_t pos) { pos_ = pos > data_.size() ? data_.size() : pos; }

int32_t TReader::ReadInteger() {
    uint8_t tag = *Take(1);
    switch (tag) {
        case vaInt8:
            return static_cast<int8_t>(*Take(1));
        case vaInt16: {
            const uint8_t* p = Take(2);
            return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
        }
        case vaInt32:
            return ReadRawInt32();
        default:
            throw StreamError(read_errors::InvalidValue());
    }
}

int64_t TReader::ReadInt64() {
    if (PeekTag() != vaInt64) return ReadInteger();
    Take(1);
    const uint8_t* p = Take(8);
    uint64_t u = 0;
    for (int i = 7; i >= 0; --i) u = (u << 8) | p[i];
    return static_cast<int64_t>(u);
}

Real TReader::ReadFloat() {
    if (PeekTag() == vaExtended) {
        Take(1);
        return ReadRawExtended();
    }
    return static_cast<Real>(ReadInt64());
}

bool TReader::ReadBoolean() { return *Take(1) == vaTrue; }

std::string TReader::ReadString() {
    uint8_t tag = *Take(1);
    size_t n;
    if (tag == vaString) {
        n = *Take(1);
    } else if (tag == vaLString) {
        int32_t len = ReadRawInt32();
        if (len < 0) throw StreamError(read_errors::StreamRead());
        n = static_cast<size_t>(len);
    } else {
        throw StreamError(read_errors::InvalidValue());
    }
    const uint8_t* p = Take(n);
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(p), n));
}

void TReader::ReadRaw(void* out, size_t n) { std::memcpy(out, Take(n), n); }

uint8_t TReader::ReadRawByte() { return *Take(1); }

int32_t TReader::ReadRawInt32() {
    const uint8_t* p = Take(4);
    uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                 (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(u);
}

Real TReader::ReadRawExtended() { return DecodeExtended(Take(10)); }

MPoint TReader::ReadRawPoint() {
    MPoint p;
    p.x = ReadRawExtended();
    p.y = ReadRawExtended();
    return p;
}

void TReader::EnterGroup() {
    if (++depth_ > kMaxGroupDepth) {
        --depth_;
        throw StreamError(read_errors::StreamRead());
    }
}

}  // namespace pw
