#include "skin/engine/snapshot_list.h"

#include <algorithm>

namespace skin {

SnapshotList::~SnapshotList() {
    for (const Snapshot& snapshot : entries_) releaseMemorySurface(snapshot);
}

void SnapshotList::enter(const Snapshot& snapshot) {
    auto listed = std::find_if(entries_.begin(), entries_.end(), [&](const Snapshot& s) { return s.dc == snapshot.dc; });
    if (listed != entries_.end()) {
        *listed = snapshot;
        return;
    }
    entries_.push_back(snapshot);
}

bool SnapshotList::release(HDC dc) {
    if (!dc) return false;
    auto listed = std::find_if(entries_.begin(), entries_.end(), [&](const Snapshot& s) { return s.dc == dc; });
    if (listed == entries_.end()) return false;
    releaseMemorySurface(*listed);
    entries_.erase(listed);
    return true;
}

bool SnapshotList::contains(HDC dc) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Snapshot& s) { return s.dc == dc; });
}

}  // namespace skin
