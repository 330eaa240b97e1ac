#pragma once
// A GDI+ bitmap: an image whose pixels can be made, read and handed to GDI.
#include <windows.h>

#include <optional>

#include "gdiplus/image.h"

namespace gdip {

// 32 bits per pixel with alpha.
inline constexpr int pixelFormat32bppArgb = 0x0026200A;

class Bitmap : public Image {
public:
    bool load(const std::string& fileName, bool useIcm = false) { return loadFile(fileName, true, useIcm); }
    bool load(const void* data, std::size_t size, bool useIcm = false) { return loadBytes(data, size, true, useIcm); }
    bool load(const Bytes& bytes, bool useIcm = false) { return load(bytes.data(), bytes.size(), useIcm); }

    // A new bitmap, every pixel 0 (transparent black).
    bool create(int width, int height, int pixelFormat = pixelFormat32bppArgb);
    bool create(HICON icon);

    // A GDI bitmap of the picture over the background colour; null on failure. The caller
    // deletes it.
    HBITMAP createHBITMAP(Argb background) const;
    Argb pixel(int x, int y) const;
    bool setResolution(float dpiX, float dpiY);

    struct RotateOptions {
        std::optional<Argb> background;     // fills the target before the picture is drawn
        std::optional<int> interpolation;   // GDI+ interpolation mode for the drawing
        std::optional<PointF> size;         // target width and height; computed when absent
    };
    // Draws this bitmap turned by `angle` degrees about its centre into a new 32-bit ARGB
    // bitmap that `target` takes over. Without a size the target just holds the turned
    // corner points (-a, b), (a, b), (-a, -b), (a, -b) with a = (w - 1) / 2, b = (h - 1) / 2.
    bool rotatedCopy(float angle, Bitmap& target, const RotateOptions& options) const;
    bool rotatedCopy(float angle, Bitmap& target) const { return rotatedCopy(angle, target, RotateOptions{}); }
};

// The target size of a turned w x h picture, as rotatedCopy computes it.
PointF rotatedSize(float width, float height, float angle);

}  // namespace gdip
