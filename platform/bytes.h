#pragma once
// Little-endian fields at any offset of a byte buffer. The wire formats of the wireless
// service and the driver are packed, so fields are often unaligned; these never are UB.

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace zlx::platform {

template <typename T>
requires std::is_unsigned_v<T>
void storeLe(std::span<std::uint8_t> bytes, std::size_t offset, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

template <typename T>
requires std::is_unsigned_v<T> T loadLe(std::span<const std::uint8_t> bytes, std::size_t offset) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value = static_cast<T>(value | static_cast<T>(bytes[offset + i]) << (8 * i));
    }
    return value;
}

}  // namespace zlx::platform
