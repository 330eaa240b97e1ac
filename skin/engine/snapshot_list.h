#pragma once
// The background snapshots controls paint on: memory DCs with their bitmaps, listed
// from when they are made until they are released, so that a DC alone is enough to put
// everything back.
#include <windows.h>

#include <vector>

#include "skin/engine/memory_surface.h"

namespace skin {

using Snapshot = MemorySurface;

class SnapshotList {
public:
    SnapshotList() = default;
    SnapshotList(const SnapshotList&) = delete;
    SnapshotList& operator=(const SnapshotList&) = delete;
    // Frees the snapshots nobody released.
    ~SnapshotList();

    // Lists a snapshot; a DC listed already gets the new bitmaps.
    void enter(const Snapshot& snapshot);
    // Puts the DC's first bitmap back, deletes the snapshot bitmap and the DC and drops
    // the entry. False, doing nothing, for a null DC or one that is not listed.
    bool release(HDC dc);

    int size() const { return static_cast<int>(entries_.size()); }
    bool contains(HDC dc) const;

private:
    std::vector<Snapshot> entries_;
};

}  // namespace skin
