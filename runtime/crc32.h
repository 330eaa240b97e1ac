#pragma once
// CRC-32 (the zlib/PNG polynomial), used to tell whole records from torn ones.
#include <cstddef>
#include <cstdint>

namespace rt {

// Continues a running CRC over more bytes; start with crc = 0.
uint32_t Crc32(const void* data, size_t size, uint32_t crc = 0);

}  // namespace rt
