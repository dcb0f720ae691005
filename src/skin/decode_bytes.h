// Bounds-checked little-endian reading of a picture file held in memory. Every read states
// whether the bytes were there, so that a decoder never looks past the end of its buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace gorvo::skin {

using Bytes = std::span<const std::uint8_t>;

class ByteReader {
  public:
    explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    bool has(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    // The part [offset, offset + count), cut to what the buffer holds.
    Bytes slice(std::size_t offset, std::size_t count) const {
        if (offset >= bytes_.size()) return {};
        return bytes_.subspan(offset,
                              count < bytes_.size() - offset ? count : bytes_.size() - offset);
    }

    bool u8(std::size_t offset, std::uint32_t& out) const {
        if (!has(offset, 1)) return false;
        out = bytes_[offset];
        return true;
    }
    bool u16(std::size_t offset, std::uint32_t& out) const {
        if (!has(offset, 2)) return false;
        out = std::uint32_t{bytes_[offset]} | std::uint32_t{bytes_[offset + 1]} << 8;
        return true;
    }
    bool u32(std::size_t offset, std::uint32_t& out) const {
        if (!has(offset, 4)) return false;
        out = std::uint32_t{bytes_[offset]} | std::uint32_t{bytes_[offset + 1]} << 8 |
              std::uint32_t{bytes_[offset + 2]} << 16 | std::uint32_t{bytes_[offset + 3]} << 24;
        return true;
    }
    bool i32(std::size_t offset, std::int32_t& out) const {
        std::uint32_t raw = 0;
        if (!u32(offset, raw)) return false;
        out = static_cast<std::int32_t>(raw);
        return true;
    }

  private:
    Bytes bytes_;
};

}  // namespace gorvo::skin
