// The Port window's notifications: the header's sections drive the list's
// columns, a double click or a click on a row image toggles the row, and each
// cell is drawn in the colours PortView gives.
#include "seams/win32/dpi_scale.h"
#include "views/frame/win32/list_controls.h"
#include "views/port/win32/port_window.h"

namespace varnolux {

namespace {

bool IsHeaderChange(UINT code) {
    return code == HDN_ITEMCHANGEDA || code == HDN_ITEMCHANGEDW || code == HDN_ENDTRACKA ||
           code == HDN_ENDTRACKW;
}

}  // namespace

bool PortWindow::OnNotify(const NMHDR& header, LRESULT* result) {
    *result = 0;
    if (header_ && header.hwndFrom == header_) {
        if (IsHeaderChange(header.code)) OnHeaderChanged();
        return false;
    }
    if (!rows_ || header.hwndFrom != list_) return false;
    switch (header.code) {
        case NM_CLICK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (click.ptAction.x < kRowImageClickWidth) view_.Toggle(*rows_, RowAt(click.ptAction));
            return true;
        }
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            view_.Toggle(*rows_, RowAt(click.ptAction));
            return true;
        }
        case NM_CUSTOMDRAW:
            *result = DrawCells(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)),
                                [this](int row, int column) { return view_.Colours(row, column); });
            return true;
        default:
            return false;
    }
}

int PortWindow::RowAt(POINT at) const {
    LVHITTESTINFO hit{};
    hit.pt = at;
    SendMessageA(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return hit.iItem;
}

void PortWindow::OnHeaderChanged() {
    if (!rows_) return;
    std::array<int, 3> sections{};
    for (size_t i = 0; i < sections.size(); ++i) {
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        if (!SendMessageA(header_, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item))) return;
        sections[i] = FromScreen(item.cxy);
    }
    const std::array<int, 5> widths = ColumnWidthsFromHeader(sections);
    for (size_t c = 0; c < widths.size(); ++c)
        rows_->SetColumnWidth(static_cast<int>(c), widths[c]);
}

}  // namespace varnolux
