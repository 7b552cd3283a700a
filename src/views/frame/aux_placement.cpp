#include "views/frame/aux_placement.h"

#include "seams/ini_file.h"

namespace varnolux {

Rect ReadWindowRect(const HostOs& os, const std::string& path, const std::string& section) {
    Rect r;
    r.left = IniNumber(IniRead(os, path, section, "Left", ""));
    r.right = IniNumber(IniRead(os, path, section, "Right", ""));
    r.top = IniNumber(IniRead(os, path, section, "Top", ""));
    r.bottom = IniNumber(IniRead(os, path, section, "Bottom", ""));
    return r;
}

void WriteWindowRect(HostOs& os, const std::string& path, const std::string& section,
                     const Rect& r) {
    IniWriteNumber(os, path, section, "Left", r.left);
    IniWriteNumber(os, path, section, "Right", r.right);
    IniWriteNumber(os, path, section, "Top", r.top);
    IniWriteNumber(os, path, section, "Bottom", r.bottom);
}

Rect BesideOwner(const Rect& owner, int32_t width, int32_t height, const Rect& workArea) {
    Rect r{owner.right, owner.top, owner.right + width, owner.top + height};
    if (r.right > workArea.right) {
        r.left = owner.left - width;
        r.right = owner.left;
    }
    return FitIntoWorkArea(r, workArea);
}

}  // namespace varnolux
