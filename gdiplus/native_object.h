#pragma once
// The shape every GDI+ wrapper shares: it owns exactly one native GDI+ object (or none)
// and deletes it when it is deleted itself. Wrappers are moved, never copied, so that one
// native object never has two owners.
#include <utility>

#include "gdiplus/library.h"

namespace Gdiplus {
class GpGraphics;
class GpPath;
class GpBrush;
class GpPen;
class GpFont;
class GpFontFamily;
class GpStringFormat;
class GpImage;
class GpRegion;
}  // namespace Gdiplus

namespace gdip {

namespace flat {
int record(int status);
}

// DeleteNative calls the class's flat delete function and returns its status.
template <typename Native, int (*DeleteNative)(Native*)>
class NativeObject {
public:
    NativeObject() = default;
    NativeObject(const NativeObject&) = delete;
    NativeObject& operator=(const NativeObject&) = delete;
    NativeObject(NativeObject&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}
    NativeObject& operator=(NativeObject&& other) noexcept {
        if (this != &other) {
            release();
            native_ = std::exchange(other.native_, nullptr);
        }
        return *this;
    }
    ~NativeObject() { release(); }

    // The native pointer; null when the wrapper owns nothing.
    Native* handle() const { return native_; }
    bool empty() const { return native_ == nullptr; }

    // Deletes the native object. Without one it calls nothing and returns false.
    bool deleteObject() {
        if (!native_) return false;
        return flat::record(release()) == Ok;
    }

    // Takes the result of a create call: the new object when the call succeeded. An
    // object owned before is deleted first, so nothing leaks. `created` is the caller's
    // output variable, read only here, after the create call in the same statement has
    // filled it.
    template <typename Created>
    bool adopt(int status, Created* const& created) {
        if (status != Ok) return false;
        release();
        native_ = created;
        return true;
    }

protected:
    // Deletes the native object without touching the last status: clean-up after a
    // failed operation must not hide why it failed.
    int release() {
        if (!native_) return Ok;
        return DeleteNative(std::exchange(native_, nullptr));
    }

    Native* native_ = nullptr;
};

}  // namespace gdip
