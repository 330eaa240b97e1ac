#pragma once
// The GDI+ flat functions the layer calls. The program does not link gdiplus.dll: the
// library is loaded by name and each function is looked up by its exported name the
// first time it is called. The declarations of the SDK header give each function its
// exact type; nothing from the import library is used.
#include <windows.h>
#include <gdiplus.h>

#include "gdiplus/library.h"

namespace gdip::flat {

// The address of an export of gdiplus.dll, or null when the library or the export is
// missing.
FARPROC resolve(const char* name);

// Stores a status as the layer's last status and hands it back.
int record(int status);

// Calls a flat function with each argument converted to the parameter's own type (ints
// to GDI+ enums, wrapper pointers to the GDI+ pointer kinds) and returns its status. A
// function that could not be found answers NotImplemented.
template <typename... P, typename... A>
int invoke(Gdiplus::GpStatus(WINGDIPAPI* fn)(P...), A... args) {
    if (!fn) return NotImplemented;
    return fn(static_cast<P>(args)...);
}

// Same, and the status becomes the layer's last status.
template <typename Fn, typename... A>
int call(Fn fn, A... args) {
    return record(invoke(fn, args...));
}

// Same, true when the status is Ok.
template <typename Fn, typename... A>
bool ok(Fn fn, A... args) {
    return call(fn, args...) == Ok;
}

// Reads one value through a flat function whose last parameter is the output; the
// value, or zero when the call failed.
template <typename T, typename Fn, typename... A>
T read(Fn fn, A... args) {
    T value{};
    return call(fn, args..., &value) == Ok ? value : T{};
}

// For every flat function F, flat::F() gives its address, looked up once.
#define LZ_GDIP_FUNCTION(name)                                                           \
    inline decltype(&Gdiplus::DllExports::name) name() {                                 \
        static const auto address = reinterpret_cast<decltype(&Gdiplus::DllExports::name)>( \
            reinterpret_cast<void (*)()>(resolve(#name)));                               \
        return address;                                                                  \
    }

#define LZ_GDIP_FUNCTIONS(X)                                                                  \
    X(GdipCreateFromHDC) X(GdipGetImageGraphicsContext) X(GdipDeleteGraphics)                 \
    X(GdipSetCompositingQuality) X(GdipSetInterpolationMode) X(GdipSetSmoothingMode)          \
    X(GdipSetPixelOffsetMode) X(GdipGetSmoothingMode)                                         \
    X(GdipTranslateWorldTransform) X(GdipRotateWorldTransform) X(GdipResetWorldTransform)     \
    X(GdipDrawLine) X(GdipDrawRectangle) X(GdipDrawPath) X(GdipGraphicsClear)                 \
    X(GdipFillRectangle) X(GdipFillPath) X(GdipDrawString) X(GdipMeasureString)               \
    X(GdipDrawImage) X(GdipDrawImageRectRect) X(GdipSetClipPath) X(GdipSetClipRect)           \
    X(GdipResetClip)                                                                          \
    X(GdipCreatePath) X(GdipDeletePath) X(GdipResetPath) X(GdipClosePathFigure)               \
    X(GdipAddPathLine) X(GdipAddPathArc) X(GdipAddPathRectangle) X(GdipAddPathEllipse)        \
    X(GdipGetPointCount) X(GdipGetPathPoints)                                                 \
    X(GdipDeleteBrush) X(GdipCreateSolidFill) X(GdipCreateLineBrush)                          \
    X(GdipSetLinePresetBlend) X(GdipSetLineLinearBlend) X(GdipCreatePathGradientFromPath)     \
    X(GdipSetPathGradientCenterColor) X(GdipSetPathGradientSurroundColorsWithCount)           \
    X(GdipCreatePen1) X(GdipCreatePen2) X(GdipSetPenWidth) X(GdipGetPenWidth) X(GdipDeletePen) \
    X(GdipCreateFontFamilyFromName) X(GdipDeleteFontFamily) X(GdipGetFamilyName)              \
    X(GdipCreateFont) X(GdipCreateFontFromDC) X(GdipCreateFontFromLogfontA) X(GdipDeleteFont) \
    X(GdipGetFamily) X(GdipGetFontStyle) X(GdipGetFontSize)                                   \
    X(GdipCreateStringFormat) X(GdipDeleteStringFormat) X(GdipSetStringFormatAlign)           \
    X(GdipSetStringFormatLineAlign) X(GdipSetStringFormatTrimming)                            \
    X(GdipLoadImageFromFile) X(GdipLoadImageFromFileICM) X(GdipLoadImageFromStream)           \
    X(GdipLoadImageFromStreamICM) X(GdipDisposeImage) X(GdipGetImageWidth)                    \
    X(GdipGetImageHeight) X(GdipImageRotateFlip) X(GdipGetImageRawFormat)                     \
    X(GdipGetImageHorizontalResolution) X(GdipGetImageVerticalResolution)                     \
    X(GdipGetImageEncodersSize) X(GdipGetImageEncoders) X(GdipSaveImageToFile)                \
    X(GdipSaveImageToStream)                                                                  \
    X(GdipCreateBitmapFromFile) X(GdipCreateBitmapFromFileICM) X(GdipCreateBitmapFromStream)  \
    X(GdipCreateBitmapFromStreamICM) X(GdipCreateBitmapFromScan0) X(GdipCreateBitmapFromHICON) \
    X(GdipCreateHBITMAPFromBitmap) X(GdipBitmapGetPixel) X(GdipBitmapSetResolution)           \
    X(GdipCreateMatrix) X(GdipDeleteMatrix)                                                   \
    X(GdipCreateRegion) X(GdipCreateRegionRect) X(GdipCreateRegionPath) X(GdipDeleteRegion)   \
    X(GdipGetRegionScansCount) X(GdipGetRegionScans) X(GdipGetRegionScansI)

LZ_GDIP_FUNCTIONS(LZ_GDIP_FUNCTION)

}  // namespace gdip::flat
