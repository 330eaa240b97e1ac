#pragma once
// The skinned top-level windows in the order they were skinned. A window's index is its
// 1-based position, kept on the window as "Hw_lbID" and on its controls as "Hw_FuID"
// ("Kj_FuID" for generic children); removing a window renumbers all of them.
#include <windows.h>

#include <cassert>
#include <memory>
#include <vector>

#include "skin/engine/skin_window_record.h"

namespace skin {

class WindowRegistry {
public:
    int size() const { return static_cast<int>(records_.size()); }
    // The record at a window index; an index outside 1 .. size is a programming error.
    SkinWindowRecord& at(int index) {
        assert(index >= 1 && index <= size());
        return *records_[index - 1];
    }
    const SkinWindowRecord& at(int index) const {
        assert(index >= 1 && index <= size());
        return *records_[index - 1];
    }

    // The index of the record whose window is `window`; 0 when there is none.
    int indexOf(HWND window) const;
    // The index stored on the window as "Hw_lbID", when it names this window's record;
    // 0 otherwise (never skinned, gone, or a control whose "Hw_lbID" is a control index).
    int lookup(HWND window) const;
    SkinWindowRecord* find(HWND window) { return lookup(window) ? &at(lookup(window)) : nullptr; }

    // Appends the record and numbers its window. A window that is registered already
    // keeps its first record: nothing changes and 0 is returned.
    int add(std::unique_ptr<SkinWindowRecord> record);
    // Removes a record; the later ones move down and every window and control gets its
    // new index.
    void remove(int index);

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

private:
    void renumber() const;

    std::vector<std::unique_ptr<SkinWindowRecord>> records_;
};

}  // namespace skin
