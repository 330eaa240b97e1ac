#include "gdiplus/region.h"

#include "gdiplus/flat_api.h"
#include "gdiplus/graphics_path.h"

namespace gdip {

namespace {

// The identity matrix the scans are read through, deleted when done.
class IdentityMatrix {
public:
    IdentityMatrix() { flat::call(flat::GdipCreateMatrix(), &matrix_); }
    ~IdentityMatrix() { flat::invoke(flat::GdipDeleteMatrix(), matrix_); }
    IdentityMatrix(const IdentityMatrix&) = delete;
    IdentityMatrix& operator=(const IdentityMatrix&) = delete;
    Gdiplus::GpMatrix* get() const { return matrix_; }

private:
    Gdiplus::GpMatrix* matrix_ = nullptr;
};

// The count is asked first, then the rectangles are read into an array of that size.
template <typename Result, typename Native, typename ReadScans>
std::vector<Result> readScans(Gdiplus::GpRegion* region, ReadScans read) {
    static_assert(sizeof(Result) == sizeof(Native), "rectangles are handed to GDI+ as they are");
    IdentityMatrix matrix;
    UINT count = 0;
    if (flat::call(flat::GdipGetRegionScansCount(), region, &count, matrix.get()) != Ok || count == 0) return {};
    std::vector<Result> scans(count);
    INT readCount = 0;
    if (flat::call(read, region, reinterpret_cast<Native*>(scans.data()), &readCount, matrix.get()) != Ok) return {};
    scans.resize(readCount);
    return scans;
}

}  // namespace

int detail::deleteRegion(Gdiplus::GpRegion* region) { return flat::invoke(flat::GdipDeleteRegion(), region); }

bool Region::create() {
    Gdiplus::GpRegion* created = nullptr;
    return adopt(flat::call(flat::GdipCreateRegion(), &created), created);
}

bool Region::create(const RectF& rect) {
    const Gdiplus::RectF box(rect.x, rect.y, rect.width, rect.height);
    Gdiplus::GpRegion* created = nullptr;
    return adopt(flat::call(flat::GdipCreateRegionRect(), &box, &created), created);
}

bool Region::create(const GraphicsPath& path) {
    Gdiplus::GpRegion* created = nullptr;
    return adopt(flat::call(flat::GdipCreateRegionPath(), path.handle(), &created), created);
}

std::vector<RectF> Region::scans() const {
    return readScans<RectF, Gdiplus::RectF>(native_, flat::GdipGetRegionScans());
}

std::vector<Rect> Region::scansI() const { return readScans<Rect, Gdiplus::Rect>(native_, flat::GdipGetRegionScansI()); }

}  // namespace gdip
