#pragma once
// The fuzzer's input read as a stream of choices. Every read is defined for
// any input: past the end it yields zeros, and Done() tells the caller to
// stop, so a short input is a short sequence rather than an error.

#include <cstddef>
#include <cstdint>
#include <string>

namespace td::fuzz {

class ByteSource {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Done() const { return pos_ >= size_; }
    std::size_t Used() const { return pos_ < size_ ? pos_ : size_; }

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : (++pos_, 0); }
    std::uint16_t Word() {
        const std::uint16_t lo = Byte();
        return static_cast<std::uint16_t>(lo | (Byte() << 8));
    }
    // A choice among n (n > 0); one byte for n up to 256, two above.
    int Pick(int n) {
        if (n <= 1)
            return 0;
        const unsigned v = n <= 256 ? Byte() : Word();
        return static_cast<int>(v % static_cast<unsigned>(n));
    }
    // A whole number in lo..hi.
    int Range(int lo, int hi) { return lo + Pick(hi - lo + 1); }
    bool Chance(int outOf) { return Pick(outOf) == 0; }
    // Up to maxLen raw bytes, length first.
    std::string Bytes(int maxLen) {
        std::string s;
        const int n = Pick(maxLen + 1);
        for (int i = 0; i < n; ++i)
            s += static_cast<char>(Byte());
        return s;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace td::fuzz
