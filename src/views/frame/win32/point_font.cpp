#include "views/frame/win32/point_font.h"

namespace varnolux {

namespace {

HFONT CreateFontInPoints(const std::string& face, int points, int weight, DWORD pitchAndFamily) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face.c_str());
}

}  // namespace

HFONT CreatePointFont(const std::string& face, int points, int weight) {
    return CreateFontInPoints(face, points, weight, DEFAULT_PITCH | FF_DONTCARE);
}

HFONT CreateFixedFont(const std::string& face, int points) {
    return CreateFontInPoints(face, points, FW_NORMAL, FIXED_PITCH | FF_MODERN);
}

}  // namespace varnolux
