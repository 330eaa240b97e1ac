#include "gdiplus/encoder.h"

#include <vector>

#include "gdiplus/flat_api.h"
#include "gdiplus/wide_text.h"

namespace gdip {

std::string guidText(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return fromWide(text);
}

GUID guidFromText(const std::string& text) {
    GUID guid{};
    std::wstring wide = toWide(text);
    if (FAILED(CLSIDFromString(wide.c_str(), &guid))) return GUID{};
    return guid;
}

CLSID findEncoder(const std::string& formatText) {
    UINT count = 0, size = 0;
    if (flat::call(flat::GdipGetImageEncodersSize(), &count, &size) != Ok || size == 0) return CLSID{};
    std::vector<unsigned char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (flat::call(flat::GdipGetImageEncoders(), count, size, codecs) != Ok) return CLSID{};
    for (UINT i = 0; i < count; ++i) {
        if (guidText(codecs[i].FormatID) == formatText) return codecs[i].Clsid;
    }
    return CLSID{};
}

}  // namespace gdip
