// Images and bitmaps of the GDI+ layer against the real gdiplus.dll: loading from bytes,
// saving to bytes and files, encoder lookup, the memory stream's lifetime, rotated copies.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "gdiplus/bitmap.h"
#include "gdiplus/brush.h"
#include "gdiplus/encoder.h"
#include "gdiplus/graphics.h"

using namespace gdip;

namespace {

const Session session;  // GDI+ runs for the whole test program

class GdiplusImage : public ::testing::Test {};

// A 5 x 4 bitmap of four coloured quarters, one of them half transparent.
Bitmap quarters() {
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.create(5, 4));
    Graphics graphics;
    EXPECT_TRUE(graphics.create(bitmap));
    const struct { float x, y, w, h; Argb color; } parts[] = {
        {0, 0, 3, 2, 0xFFFF0000}, {3, 0, 2, 2, 0xFF00FF00}, {0, 2, 3, 2, 0x800000FF}, {3, 2, 2, 2, 0xFFFFFFFF}};
    for (const auto& part : parts) {
        SolidBrush brush;
        EXPECT_TRUE(brush.create(part.color));
        EXPECT_TRUE(graphics.fillRectangle(brush, part.x, part.y, part.w, part.h));
    }
    return bitmap;
}

bool startsWith(const Bytes& bytes, std::initializer_list<unsigned char> head) {
    return bytes.size() >= head.size() && std::equal(head.begin(), head.end(), bytes.begin());
}

const std::initializer_list<unsigned char> pngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
const std::initializer_list<unsigned char> jpegSignature = {0xFF, 0xD8};

Bytes readFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

TEST_F(GdiplusImage, BytesThatAreNoPictureFailAndLeaveTheImageEmpty) {
    const Bytes cases[] = {{}, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}};
    for (const Bytes& bytes : cases) {
        Bitmap bitmap;
        EXPECT_FALSE(bitmap.load(bytes));
        EXPECT_NE(lastStatus(), Ok);
        EXPECT_TRUE(bitmap.empty());
        EXPECT_EQ(bitmap.stream().stream(), nullptr);
        EXPECT_EQ(bitmap.width(), 0u);
    }
}

TEST_F(GdiplusImage, PngRoundTripKeepsEveryPixel) {
    Bitmap original = quarters();
    const Bytes png = original.saveToBytes(std::string(pngFormat));
    ASSERT_TRUE(startsWith(png, pngSignature));
    // Exactly the encoded picture: it ends with the IEND chunk, nothing after it.
    const unsigned char iend[] = {'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    ASSERT_GE(png.size(), sizeof iend);
    EXPECT_TRUE(std::equal(std::begin(iend), std::end(iend), png.end() - sizeof iend));

    Bitmap loaded;
    ASSERT_TRUE(loaded.load(png));
    ASSERT_EQ(loaded.width(), 5u);
    ASSERT_EQ(loaded.height(), 4u);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(loaded.pixel(x, y), original.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(loaded.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(loaded.pixel(4, 0), 0xFF00FF00u);
}

TEST_F(GdiplusImage, SavingToBytesWithoutFormatKeepsThePicturesOwnFormat) {
    Bitmap source = quarters();
    const struct { const char* format; std::initializer_list<unsigned char> signature; } cases[] = {
        {pngFormat, pngSignature}, {jpegFormat, jpegSignature}, {bmpFormat, {'B', 'M'}}};
    for (const auto& c : cases) {
        Image image;
        ASSERT_TRUE(image.load(source.saveToBytes(std::string(c.format))));
        EXPECT_EQ(image.rawFormat(), c.format);
        EXPECT_TRUE(startsWith(image.saveToBytes(), c.signature)) << c.format;
    }
}

TEST_F(GdiplusImage, SavingToAFileWithoutFormatWritesPng) {
    Bitmap source = quarters();
    const char* path = "gdiplus_image_test_out.png";
    std::remove(path);
    ASSERT_TRUE(source.save(path));
    const Bytes written = readFile(path);
    EXPECT_TRUE(startsWith(written, pngSignature));
    Bitmap reread;
    ASSERT_TRUE(reread.load(std::string(path)));
    EXPECT_EQ(reread.pixel(4, 3), 0xFFFFFFFFu);
    reread.dispose();
    std::remove(path);
}

TEST_F(GdiplusImage, FormatTextMustMatchTheEncoderExactly) {
    EXPECT_NE(findEncoder(pngFormat), CLSID{});
    const char* path = "gdiplus_image_test_kept.png";
    std::ofstream(path, std::ios::binary) << "keep";
    const char* const unknown[] = {"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", "B96B3CAF-0728-11D3-9D7B-0000F81EF32E",
                                   ""};
    Bitmap source = quarters();
    for (const char* format : unknown) {
        EXPECT_EQ(findEncoder(format), CLSID{}) << format;
        EXPECT_TRUE(source.saveToBytes(std::string(format)).empty()) << format;
        EXPECT_EQ(lastStatus(), UnknownImageFormat);
        EXPECT_FALSE(source.save(path, std::string(format)));
        EXPECT_EQ(lastStatus(), UnknownImageFormat);
    }
    // A refused save leaves an existing file as it was.
    EXPECT_EQ(readFile(path), Bytes({'k', 'e', 'e', 'p'}));
    std::remove(path);
}

TEST_F(GdiplusImage, TheStreamLivesWithThePictureAndIsFreedAfterIt) {
    Bitmap bitmap;
    {
        const Bytes png = quarters().saveToBytes(std::string(pngFormat));
        ASSERT_TRUE(bitmap.load(png));
    }  // the caller's bytes are gone: the bitmap reads its own copy
    const HGLOBAL block = bitmap.stream().block();
    ASSERT_NE(block, nullptr);
    EXPECT_NE(GlobalSize(block), 0u);
    EXPECT_EQ(bitmap.pixel(1, 1), 0xFFFF0000u);

    EXPECT_TRUE(bitmap.dispose());
    EXPECT_TRUE(bitmap.empty());
    EXPECT_EQ(bitmap.stream().block(), nullptr);
    EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
    // Disposing again has nothing to delete.
    EXPECT_FALSE(bitmap.dispose());
}

TEST_F(GdiplusImage, RotatedCopySizes) {
    Bitmap source;
    ASSERT_TRUE(source.create(10, 6));
    const struct { float angle; std::optional<PointF> size; unsigned width, height; } cases[] = {
        {0, std::nullopt, 9, 5},            // corners at +-(w - 1) / 2, +-(h - 1) / 2
        {90, std::nullopt, 5, 9},
        {180, std::nullopt, 9, 5},
        {45, std::nullopt, 9, 9},           // (4.5 + 2.5) * sqrt 2 = 9.9, truncated
        {30, PointF{20.7f, 11.2f}, 20, 11}, // a given size is used as it is
    };
    for (const auto& c : cases) {
        Bitmap target;
        Bitmap::RotateOptions options;
        options.size = c.size;
        ASSERT_TRUE(source.rotatedCopy(c.angle, target, options)) << c.angle;
        EXPECT_EQ(target.width(), c.width) << c.angle;
        EXPECT_EQ(target.height(), c.height) << c.angle;
    }
}

TEST_F(GdiplusImage, RotatedCopyTurnsThePictureOverItsBackground) {
    // 11 x 3, left part red: turned by 90 degrees it stands upright, red at one end.
    Bitmap source;
    ASSERT_TRUE(source.create(11, 3));
    {
        Graphics graphics;
        ASSERT_TRUE(graphics.create(source));
        SolidBrush red, blue;
        red.create(0xFFFF0000);
        blue.create(0xFF0000FF);
        graphics.fillRectangle(blue, 0, 0, 11, 3);
        graphics.fillRectangle(red, 0, 0, 3, 3);
    }
    Bitmap target;
    Bitmap::RotateOptions options;
    options.background = 0xFF00FF00;
    options.size = PointF{15, 15};
    ASSERT_TRUE(source.rotatedCopy(90, target, options));
    EXPECT_EQ(target.pixel(0, 0), 0xFF00FF00u);    // outside the picture: background
    EXPECT_EQ(target.pixel(14, 14), 0xFF00FF00u);
    EXPECT_EQ(target.pixel(7, 7), 0xFF0000FFu);    // centre of the turned picture
    // Turning clockwise by 90 degrees puts the left end at the top.
    EXPECT_EQ(target.pixel(7, 3), 0xFFFF0000u);
    EXPECT_EQ(target.pixel(7, 11), 0xFF0000FFu);
    EXPECT_EQ(target.pixel(3, 7), 0xFF00FF00u);   // the turned picture is 3 wide
}

TEST_F(GdiplusImage, RotatedCopyOfNothingFailsAndKeepsTheTarget) {
    Bitmap empty, target;
    ASSERT_TRUE(target.create(3, 3));
    EXPECT_FALSE(empty.rotatedCopy(0, target));
    EXPECT_EQ(target.width(), 3u);
}

TEST_F(GdiplusImage, GdiBitmapAndIconConversions) {
    Bitmap source = quarters();
    HBITMAP gdi = source.createHBITMAP(0xFF000000);
    ASSERT_NE(gdi, nullptr);
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(gdi, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmHeight, 4);
    DeleteObject(gdi);

    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    Bitmap fromIcon;
    ASSERT_TRUE(fromIcon.create(icon));
    EXPECT_GT(fromIcon.width(), 0u);

    Bitmap empty;
    EXPECT_EQ(empty.createHBITMAP(0), nullptr);
    EXPECT_EQ(lastStatus(), InvalidParameter);
}

TEST_F(GdiplusImage, RotateFlipMirrorsThePixels) {
    Bitmap bitmap = quarters();
    ASSERT_TRUE(bitmap.rotateFlip(4));  // RotateNoneFlipX
    EXPECT_EQ(bitmap.pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(bitmap.pixel(4, 0), 0xFFFF0000u);
}
