// The Plot window's drawing: the model's picture into an off-screen bitmap,
// then onto the screen in one copy.
#include <algorithm>

#include "views/plot/plot_cursor.h"
#include "views/plot/plot_ids.h"
#include "views/plot/win32/plot_window.h"

namespace varnolux {

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kGrid = RGB(228, 228, 228);
constexpr COLORREF kFrame = RGB(120, 120, 120);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kCursor = RGB(160, 160, 160);
constexpr COLORREF kRuleMark = RGB(220, 0, 0);  // the dump a stop rule held at
constexpr COLORREF kSelection = RGB(210, 225, 250);

COLORREF Colour(const Rgb& c) {
    return RGB(c.r, c.g, c.b);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// A pen selected into the DC for the scope.
class Pen {
  public:
    Pen(HDC dc, COLORREF colour, int width = 1)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, colour)), old_(SelectObject(dc, pen_)) {}
    ~Pen() {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

  private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

SIZE TextSize(HDC dc, const std::string& text) {
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void Text(HDC dc, int x, int y, const std::string& text, UINT align) {
    SetTextAlign(dc, align);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void DrawTrace(HDC dc, const PlotTraceLayout& t) {
    Pen pen(dc, Colour(t.colour), t.step ? 2 : 1);
    const PlotLine* previous = nullptr;
    for (const PlotLine& l : t.lines) {
        if (previous && l.joined) {
            MoveToEx(dc, previous->x, previous->yLast, nullptr);
            if (t.step) LineTo(dc, l.x, previous->yLast);
            LineTo(dc, l.x, l.yFirst);
        }
        // Every value the column holds: its extent, drawn one pixel long at least.
        Line(dc, l.x, std::min(l.yLow, l.yHigh), l.x, std::max(l.yLow, l.yHigh) + 1);
        previous = &l;
    }
}

}  // namespace

RECT PlotWindow::PlotClient() const {
    RECT client;
    GetClientRect(Handle(), &client);
    client.bottom = std::max(client.top + 1, client.bottom - kStatusHeight);
    return client;
}

void PlotWindow::DrawInto(HDC dc, int width, int height) {
    picture_ = LayOutPlot(store_, view_, width, height);
    const PlotPicture& p = picture_;
    RECT all{0, 0, width, height};
    HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, &all, background);
    DeleteObject(background);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);

    if (dragging_) {
        RECT band{std::min(dragFrom_, dragTo_), p.area.top, std::max(dragFrom_, dragTo_),
                  p.area.bottom};
        HBRUSH selection = CreateSolidBrush(kSelection);
        FillRect(dc, &band, selection);
        DeleteObject(selection);
    }
    {
        Pen grid(dc, kGrid);
        for (const PlotTick& t : p.xTicks) Line(dc, t.pos, p.area.top, t.pos, p.area.bottom);
        for (const PlotTick& t : p.yTicks) Line(dc, p.area.left, t.pos, p.area.right, t.pos);
    }
    for (const PlotTick& t : p.xTicks)
        Text(dc, XTickLabelLeft(p.area, t.pos, TextSize(dc, t.text).cx), p.area.bottom + 3, t.text,
             TA_LEFT | TA_TOP);
    for (const PlotTick& t : p.yTicks)
        Text(dc, p.area.left - 4, YTickLabelTop(p.area, t.pos, TextSize(dc, t.text).cy), t.text,
             TA_RIGHT | TA_TOP);
    Text(dc, p.area.left - 4, p.area.bottom + 3, view_.axis == PlotXAxis::Seconds ? "s" : "dump",
         TA_RIGHT | TA_TOP);

    const int saved = SaveDC(dc);
    IntersectClipRect(dc, p.area.left, p.area.top - 2, p.area.right + 1, p.area.bottom + 2);
    for (const PlotTraceLayout& t : p.traces) DrawTrace(dc, t);
    auto pixelOf = [&](size_t dump) {
        const double x = PlotX(store_, view_.axis, dump);
        return p.area.left +
               static_cast<int>((x - p.xRange.lo) * (p.area.Width() - 1) / p.xRange.Span());
    };
    if (const auto marked = mark_ ? DumpAtTime(store_, *mark_) : std::nullopt) {
        const int px = pixelOf(*marked);
        Pen pen(dc, kRuleMark, 2);
        Line(dc, px, p.area.top, px, p.area.bottom);
        SetTextColor(dc, kRuleMark);
        Text(dc, px + 4, p.area.top + 2, markLabel_, TA_LEFT | TA_TOP);
    }
    if (cursor_ && *cursor_ < store_.Size()) {
        const int px = pixelOf(*cursor_);
        Pen pen(dc, kCursor);
        Line(dc, px, p.area.top, px, p.area.bottom);
    }
    RestoreDC(dc, saved);
    {
        Pen frame(dc, kFrame);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, p.area.left, p.area.top, p.area.right + 1, p.area.bottom + 1);
        SelectObject(dc, oldBrush);
    }

    // The legend: a colour mark and the label of each trace, in a row above the plot.
    int x = p.area.left;
    for (const PlotTraceLayout& t : p.traces) {
        RECT mark{x, 7, x + 14, 10};
        HBRUSH brush = CreateSolidBrush(Colour(t.colour));
        FillRect(dc, &mark, brush);
        DeleteObject(brush);
        Text(dc, x + 18, 2, t.legend, TA_LEFT | TA_TOP);
        SIZE size{};
        GetTextExtentPoint32A(dc, t.legend.c_str(), static_cast<int>(t.legend.size()), &size);
        x += 18 + size.cx + 14;
    }
    if (p.traces.empty())
        Text(dc, (p.area.left + p.area.right) / 2, (p.area.top + p.area.bottom) / 2,
             "Watched variables are drawn here from the next dump on", TA_CENTER | TA_TOP);
    SelectObject(dc, oldFont);
}

void PlotWindow::Paint() {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(Handle(), &ps);
    const RECT area = PlotClient();
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    DrawInto(memory, width, height);
    BitBlt(screen, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(Handle(), &ps);
}

}  // namespace varnolux
