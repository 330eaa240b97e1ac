#pragma once
// Pictures decoded once and drawn many times: the caption buttons are drawn on every
// fade step and the background on every change of size. Kept by the engine, which lets
// them go before it shuts GDI+ down.
#include <memory>
#include <utility>
#include <vector>

#include "gdiplus/geometry.h"
#include "gdiplus/image.h"

namespace skin {

class DecodedPictures {
public:
    // The picture the bytes encode, decoded on first use; null when GDI+ cannot read
    // them. Found by the bytes themselves, so a changed picture is never mistaken for
    // the old one. The image must not be changed by the caller.
    const gdip::Image* find(const gdip::Bytes& bytes);
    void clear() { pictures_.clear(); }
    int size() const { return static_cast<int>(pictures_.size()); }

private:
    // Enough for every caption picture and background of the program's windows; a
    // program that sets more starts over.
    static constexpr std::size_t capacity = 32;
    std::vector<std::pair<gdip::Bytes, std::unique_ptr<gdip::Image>>> pictures_;
};

}  // namespace skin
