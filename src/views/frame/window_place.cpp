#include "views/frame/window_place.h"

#include "layout/free_place.h"

namespace varnolux {

Rect PlaceFormWindow(const Rect& stored, const Rect& created, const Rect& workArea,
                     const std::vector<Rect>& taken) {
    if (IsEmpty(stored)) return FreePlace(PlaceMainWindow(created, workArea), taken, workArea);
    return PlaceMainWindow(stored, workArea);
}

Rect BesideOwner(const Rect& owner, int32_t width, int32_t height, const Rect& workArea) {
    Rect r{owner.right, owner.top, owner.right + width, owner.top + height};
    if (r.right > workArea.right) {
        r.left = owner.left - width;
        r.right = owner.left;
    }
    return FitIntoWorkArea(r, workArea);
}

Rect PlaceBesideOwner(const Rect& stored, const Rect& owner, int32_t width, int32_t height,
                      const Rect& workArea, const std::vector<Rect>& taken) {
    if (!IsEmpty(stored)) return FitIntoWorkArea(stored, workArea);
    return FreePlace(BesideOwner(owner, width, height, workArea), taken, workArea);
}

}  // namespace varnolux
