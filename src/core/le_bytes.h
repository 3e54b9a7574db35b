#pragma once
// Little-endian bytes: a reader over a bounded span that never reads past its end (a read
// beyond it gives 0 and marks the reader as overrun), and a writer that appends to a vector.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pw {

class LeReader {
  public:
    LeReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t Size() const { return size_; }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return pos_ <= size_ ? size_ - pos_ : 0; }
    bool Overrun() const { return overrun_; }
    const uint8_t* Data() const { return data_; }
    void Seek(size_t pos) {
        if (pos > size_) overrun_ = true;
        pos_ = pos > size_ ? size_ : pos;
    }
    void Skip(size_t n) { Seek(n > Remaining() ? size_ + 1 : pos_ + n); }

    uint8_t U8() { return static_cast<uint8_t>(Take(1)); }
    uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    uint32_t U32() { return static_cast<uint32_t>(Take(4)); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32() {
        uint32_t bits = U32();
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }

  private:
    uint64_t Take(size_t n) {
        if (n > Remaining()) {
            overrun_ = true;
            pos_ = size_;
            return 0;
        }
        uint64_t v = 0;
        for (size_t i = 0; i < n; ++i) v |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
        pos_ += n;
        return v;
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool overrun_ = false;
};

class LeWriter {
  public:
    explicit LeWriter(std::vector<uint8_t>& out) : out_(out) {}
    void U8(uint8_t v) { out_.push_back(v); }
    void U16(uint16_t v) { Put(v, 2); }
    void I16(int16_t v) { Put(static_cast<uint16_t>(v), 2); }
    void U32(uint32_t v) { Put(v, 4); }
    void I32(int32_t v) { Put(static_cast<uint32_t>(v), 4); }
    void F32(float f) {
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        U32(bits);
    }
    void Zeros(size_t n) { out_.insert(out_.end(), n, 0); }
    // Overwrites 4 bytes at an earlier position.
    void PatchU32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
    size_t Position() const { return out_.size(); }

  private:
    void Put(uint64_t v, int n) {
        for (int i = 0; i < n; ++i) out_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    std::vector<uint8_t>& out_;
};

}  // namespace pw
