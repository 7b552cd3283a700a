#include "views/frame/win32/continue_button.h"

#include "views/frame/continue_face.h"

namespace varnolux {

namespace {

void Face(HDC dc, RECT r, HBRUSH fill, UINT edge, COLORREF text, const char* label) {
    FillRect(dc, &r, fill);
    DrawEdge(dc, &r, edge, BF_RECT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    DrawTextA(dc, label, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

void DrawContinueButton(const DRAWITEMSTRUCT& item, RunState& run, const ContinueBrushes& brushes) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    switch (ContinueButtonFace(run, (item.itemState & ODS_SELECTED) != 0)) {
        case ContinueFace::Pressed:
            Face(dc, r, brushes.buttonFace, EDGE_SUNKEN, RGB(0, 0, 0), "Continue");
            break;
        case ContinueFace::WaitingYellow:
            Face(dc, r, brushes.yellow, EDGE_SUNKEN, RGB(0, 0, 0), "Continue");
            break;
        case ContinueFace::WaitingBlue:
            Face(dc, r, brushes.blue, EDGE_SUNKEN, RGB(255, 255, 255), "Continue");
            break;
        case ContinueFace::Running:
            Face(dc, r, brushes.buttonFace, EDGE_RAISED, GetSysColor(COLOR_GRAYTEXT), "Running");
            break;
        case ContinueFace::ReplayStep:
            Face(dc, r, brushes.buttonFace, EDGE_RAISED, RGB(0, 0, 0), "Continue");
            break;
        case ContinueFace::ReplayEnd:
            Face(dc, r, brushes.buttonFace, EDGE_RAISED, GetSysColor(COLOR_GRAYTEXT), "Continue");
            break;
        case ContinueFace::FrameOnly:
            return;
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -3 * GetSystemMetrics(SM_CXBORDER), -3 * GetSystemMetrics(SM_CYBORDER));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace varnolux
