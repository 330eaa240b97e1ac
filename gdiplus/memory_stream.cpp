#include "gdiplus/memory_stream.h"

#include <cstring>
#include <utility>

namespace gdip {

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : block_(std::exchange(other.block_, nullptr)), stream_(std::exchange(other.stream_, nullptr)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
    if (this != &other) {
        release();
        block_ = std::exchange(other.block_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

IStream* MemoryStream::fromBytes(const void* data, std::size_t size) {
    release();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    IStream* stream = nullptr;
    // The block is freed here, not by the stream, so that it outlives the last reader.
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    if (size > 0) {
        void* target = GlobalLock(block);
        std::memcpy(target, data, size);
        GlobalUnlock(block);
    }
    block_ = block;
    stream_ = stream;
    return stream_;
}

void MemoryStream::release() {
    if (!stream_) return;
    stream_->Release();
    if (block_) GlobalFree(block_);
    stream_ = nullptr;
    block_ = nullptr;
}

std::size_t MemoryStream::size() const {
    // The stream's own length, not GlobalSize: a block may be larger than what was written.
    STATSTG stat{};
    if (!stream_ || FAILED(stream_->Stat(&stat, STATFLAG_NONAME))) return 0;
    return static_cast<std::size_t>(stat.cbSize.QuadPart);
}

Bytes MemoryStream::readAll() const {
    const std::size_t count = size();
    if (count == 0) return {};
    Bytes bytes(count);
    const void* source = GlobalLock(block_);
    if (!source) return {};
    std::memcpy(bytes.data(), source, count);
    GlobalUnlock(block_);
    return bytes;
}

}  // namespace gdip
