#include "gdiplus/string_format.h"

#include "gdiplus/flat_api.h"

namespace gdip {

int detail::deleteStringFormat(Gdiplus::GpStringFormat* format) {
    return flat::invoke(flat::GdipDeleteStringFormat(), format);
}

bool StringFormat::create(int flags, LANGID language) {
    Gdiplus::GpStringFormat* created = nullptr;
    return adopt(flat::call(flat::GdipCreateStringFormat(), flags, language, &created), created);
}

bool StringFormat::setAlignment(int alignment) {
    return flat::ok(flat::GdipSetStringFormatAlign(), native_, alignment);
}

bool StringFormat::setLineAlignment(int alignment) {
    return flat::ok(flat::GdipSetStringFormatLineAlign(), native_, alignment);
}

bool StringFormat::setTrimming(int trimming) {
    return flat::ok(flat::GdipSetStringFormatTrimming(), native_, trimming);
}

}  // namespace gdip
