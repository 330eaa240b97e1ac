#pragma once
// A GDI+ string format: how text sits in its layout rectangle.
#include <windows.h>

#include "gdiplus/native_object.h"

namespace gdip {

namespace detail {
int deleteStringFormat(Gdiplus::GpStringFormat* format);
}

class StringFormat : public NativeObject<Gdiplus::GpStringFormat, detail::deleteStringFormat> {
public:
    bool create(int flags = 0, LANGID language = 0);
    // Alignments: 0 near, 1 centre, 2 far.
    bool setAlignment(int alignment);
    bool setLineAlignment(int alignment);
    // Trimming: 0 none, 1 character, 2 word, 3 ellipsis character...
    bool setTrimming(int trimming);
};

}  // namespace gdip
