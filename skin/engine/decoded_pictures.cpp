#include "skin/engine/decoded_pictures.h"

#include <algorithm>

namespace skin {

const gdip::Image* DecodedPictures::find(const gdip::Bytes& bytes) {
    auto known = std::find_if(pictures_.begin(), pictures_.end(), [&](const auto& entry) { return entry.first == bytes; });
    if (known != pictures_.end()) return known->second.get();
    auto image = std::make_unique<gdip::Image>();
    if (!image->load(bytes)) return nullptr;
    if (pictures_.size() >= capacity) pictures_.clear();
    pictures_.emplace_back(bytes, std::move(image));
    return pictures_.back().second.get();
}

}  // namespace skin
