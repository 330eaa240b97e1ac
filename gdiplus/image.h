#pragma once
// GDI+ images and bitmaps, loaded from files or from byte sets and saved as encoded
// bytes or files. An image loaded from bytes keeps its own copy of them in a memory
// stream, which GDI+ may read until the image is disposed.
#include <windows.h>

#include <optional>
#include <string>

#include "gdiplus/geometry.h"
#include "gdiplus/memory_stream.h"
#include "gdiplus/native_object.h"

namespace gdip {

namespace detail {
int disposeImage(Gdiplus::GpImage* image);
}

class Image : public NativeObject<Gdiplus::GpImage, detail::disposeImage> {
public:
    Image() = default;
    Image(Image&&) = default;
    Image& operator=(Image&&) = default;
    ~Image() { clear(); }

    // The file name is GBK text.
    bool load(const std::string& fileName, bool useIcm = false) { return loadFile(fileName, false, useIcm); }
    // Fails, and leaves the image empty, when the bytes are not a picture GDI+ reads.
    bool load(const void* data, std::size_t size, bool useIcm = false) { return loadBytes(data, size, false, useIcm); }
    bool load(const Bytes& bytes, bool useIcm = false) { return load(bytes.data(), bytes.size(), useIcm); }

    // Disposes of the picture, then frees the stream it was read from.
    bool dispose();

    // `format` is a format identifier text; without one a file is written as PNG.
    bool save(const std::string& fileName, const std::optional<std::string>& format = std::nullopt) const;
    // Encoded bytes; without a format, in the image's own format. Empty on failure.
    Bytes saveToBytes(const std::optional<std::string>& format = std::nullopt) const;

    unsigned width() const;
    unsigned height() const;
    float horizontalResolution() const;
    float verticalResolution() const;
    // The format identifier text of the picture's encoding ("" when it cannot be read).
    std::string rawFormat() const;
    // type: GDI+'s RotateFlipType (4 = RotateNoneFlipX).
    bool rotateFlip(int type);

    const MemoryStream& stream() const { return stream_; }

protected:
    // Frees the picture and its stream without touching the last status.
    void clear() {
        release();
        stream_.release();
    }
    // Loads as a plain image or, with asBitmap, as a bitmap whose pixels can be read.
    bool loadFile(const std::string& fileName, bool asBitmap, bool useIcm);
    bool loadBytes(const void* data, std::size_t size, bool asBitmap, bool useIcm);

    MemoryStream stream_;
};

}  // namespace gdip
