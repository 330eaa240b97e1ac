#include "skin/engine/window_registry.h"

#include "skin/engine/window_properties.h"

namespace skin {

int WindowRegistry::indexOf(HWND window) const {
    for (int i = 0; i < size(); ++i)
        if (records_[i]->window == window) return i + 1;
    return 0;
}

int WindowRegistry::lookup(HWND window) const {
    if (!window) return 0;
    const int index = intProperty(window, prop::index);
    if (index < 1 || index > size()) return 0;
    return records_[index - 1]->window == window ? index : 0;
}

int WindowRegistry::add(std::unique_ptr<SkinWindowRecord> record) {
    if (!record || indexOf(record->window)) return 0;
    records_.push_back(std::move(record));
    setIntProperty(records_.back()->window, prop::index, size());
    return size();
}

void WindowRegistry::remove(int index) {
    assert(index >= 1 && index <= size());
    // The record is destroyed only after the registry is whole again: its tooltips and
    // handlers may still look windows up while they go.
    auto removed = std::move(records_[index - 1]);
    records_.erase(records_.begin() + (index - 1));
    renumber();
}

void WindowRegistry::renumber() const {
    for (int i = 1; i <= size(); ++i) {
        const SkinWindowRecord& record = at(i);
        setIntProperty(record.window, prop::index, i);
        record.forEachControl([i](HWND control) { setIntProperty(control, prop::ownerIndex, i); });
        for (const GenericChildEntry& child : record.genericChildren)
            setIntProperty(child.hwnd, prop::genericOwnerIndex, i);
    }
}

}  // namespace skin
