#pragma once
// A COM stream over a global memory block: how pictures kept as byte sets reach GDI+
// and how GDI+ hands encoded pictures back.
#include <windows.h>
#include <objidl.h>

#include <cstddef>

#include "gdiplus/geometry.h"

namespace gdip {

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;
    ~MemoryStream() { release(); }

    // Replaces what the stream held with a copy of the bytes. Returns the stream, null
    // when no memory could be had.
    IStream* fromBytes(const void* data, std::size_t size);
    IStream* fromBytes(const Bytes& bytes) { return fromBytes(bytes.data(), bytes.size()); }
    // Releases the stream and frees its block.
    void release();

    IStream* stream() const { return stream_; }
    HGLOBAL block() const { return block_; }
    // The number of bytes in the stream (what GDI+ wrote, or what fromBytes copied).
    std::size_t size() const;
    Bytes readAll() const;

private:
    HGLOBAL block_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace gdip
