#include "gdiplus/image.h"

#include "gdiplus/encoder.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/wide_text.h"

namespace gdip {

int detail::disposeImage(Gdiplus::GpImage* image) { return flat::invoke(flat::GdipDisposeImage(), image); }

bool Image::loadFile(const std::string& fileName, bool asBitmap, bool useIcm) {
    clear();
    const std::wstring wide = toWide(fileName);
    Gdiplus::GpImage* image = nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (asBitmap) {
        auto create = useIcm ? flat::GdipCreateBitmapFromFileICM() : flat::GdipCreateBitmapFromFile();
        return adopt(flat::call(create, wide.c_str(), &bitmap), bitmap);
    }
    auto loadImage = useIcm ? flat::GdipLoadImageFromFileICM() : flat::GdipLoadImageFromFile();
    return adopt(flat::call(loadImage, wide.c_str(), &image), image);
}

bool Image::loadBytes(const void* data, std::size_t size, bool asBitmap, bool useIcm) {
    clear();
    IStream* stream = stream_.fromBytes(data, size);
    if (!stream) {
        flat::record(OutOfMemory);
        return false;
    }
    Gdiplus::GpImage* image = nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
    bool loaded;
    if (asBitmap) {
        auto create = useIcm ? flat::GdipCreateBitmapFromStreamICM() : flat::GdipCreateBitmapFromStream();
        loaded = adopt(flat::call(create, stream, &bitmap), bitmap);
    } else {
        auto loadImage = useIcm ? flat::GdipLoadImageFromStreamICM() : flat::GdipLoadImageFromStream();
        loaded = adopt(flat::call(loadImage, stream, &image), image);
    }
    if (!loaded) stream_.release();
    return loaded;
}

bool Image::dispose() {
    // GDI+ may read the stream until the image is gone, so the stream goes last.
    const bool disposed = deleteObject();
    stream_.release();
    return disposed;
}

namespace {

// The encoder for a format text. Without one nothing is written (GDI+ would create or
// empty the target file before refusing the save), and the status says why.
bool encoderFor(const std::string& format, CLSID& encoder) {
    encoder = findEncoder(format);
    if (encoder != CLSID{}) return true;
    flat::record(UnknownImageFormat);
    return false;
}

}  // namespace

bool Image::save(const std::string& fileName, const std::optional<std::string>& format) const {
    CLSID encoder;
    if (!encoderFor(format.value_or(pngFormat), encoder)) return false;
    const std::wstring wide = toWide(fileName);
    return flat::ok(flat::GdipSaveImageToFile(), native_, wide.c_str(), &encoder, nullptr);
}

Bytes Image::saveToBytes(const std::optional<std::string>& format) const {
    CLSID encoder;
    if (!encoderFor(format ? *format : rawFormat(), encoder)) return {};
    MemoryStream target;
    if (!target.fromBytes(nullptr, 0)) {
        flat::record(OutOfMemory);
        return {};
    }
    // A failed save may have written part of a picture; that is no picture at all.
    if (!flat::ok(flat::GdipSaveImageToStream(), native_, target.stream(), &encoder, nullptr)) return {};
    return target.readAll();
}

unsigned Image::width() const { return flat::read<UINT>(flat::GdipGetImageWidth(), native_); }

unsigned Image::height() const { return flat::read<UINT>(flat::GdipGetImageHeight(), native_); }

float Image::horizontalResolution() const {
    return flat::read<float>(flat::GdipGetImageHorizontalResolution(), native_);
}

float Image::verticalResolution() const { return flat::read<float>(flat::GdipGetImageVerticalResolution(), native_); }

std::string Image::rawFormat() const {
    GUID format{};
    if (flat::call(flat::GdipGetImageRawFormat(), native_, &format) != Ok) return {};
    return guidText(format);
}

bool Image::rotateFlip(int type) { return flat::ok(flat::GdipImageRotateFlip(), native_, type); }

}  // namespace gdip
