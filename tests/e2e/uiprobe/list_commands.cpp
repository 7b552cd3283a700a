// Commands on list views and combo boxes.
#include <windows.h>

#include <cstdio>

#include "commands.h"
#include "probe.h"

namespace uiprobe {

namespace {

int ListRows(HWND list, const Args&) {
    const int rows = ListRowCount(list), columns = ListColumnCount(list);
    if (rows < 0 || columns < 0) return Fail("not a list view");
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (int c = 0; c < columns; ++c) {
            std::string cell;
            if (!ListCell(list, r, c, &cell)) return Fail("cell not readable");
            line += (c ? "\t" : "") + cell;
        }
        Print(line);
    }
    return 0;
}

int ListColumns(HWND list, const Args&) {
    const int columns = ListColumnCount(list);
    if (columns < 0) return Fail("not a list view");
    for (int c = 0; c < columns; ++c) {
        int width = 0;
        std::string text;
        if (!ListColumn(list, c, &width, &text)) return Fail("column not readable");
        Print(std::to_string(width) + "\t" + text);
    }
    return 0;
}

// A click of the kind on the cell CLASS ID ROW COL.
Command ClickCell(Click click) {
    return {4, 4, [click](const Args& a) {
                HWND list = Child(a[0], a[1]);
                if (!list || !ClickListCell(list, Number(a[2]), Number(a[3]), click))
                    return Fail("cell not clicked");
                return 0;
            }};
}

}  // namespace

CommandTable ListCommands() {
    return {
        {"cut-texts", Printing(2, 3, Target::Child,
                               [](HWND list, const Args& a) -> Reading {
                                   std::string first;
                                   const int cut =
                                       CutTexts(list, &first, a.size() > 2 ? Number(a[2]) : -1);
                                   if (cut < 0) return std::nullopt;
                                   return std::to_string(cut) + (cut ? " " + first : "");
                               })},
        {"count", Printing(2, 2, Target::Child,
                           [](HWND list, const Args&) -> Reading {
                               const int rows = ListRowCount(list);
                               if (rows < 0) return std::nullopt;
                               return std::to_string(rows);
                           })},
        {"rows", OnWindow(2, 2, Target::Child, ListRows)},
        {"cell", Printing(4, 4, Target::Child,
                          [](HWND list, const Args& a) -> Reading {
                              std::string text;
                              if (!ListCell(list, Number(a[2]), Number(a[3]), &text))
                                  return std::nullopt;
                              return text;
                          })},
        {"columns", OnWindow(2, 2, Target::Child, ListColumns)},
        {"cell-colour",
         {4, 4,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              COLORREF colour = 0;
              if (!list || !ListCellColour(list, Number(a[2]), Number(a[3]), &colour))
                  return Fail("cell not in view");
              char text[8];
              std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                            GetBValue(colour));
              Print(text);
              return 0;
          }}},
        {"popup-close",
         {0, 0, [](const Args&) { return ClosePopupMenu() ? 0 : Fail("no popup menu"); }}},
        {"select", OnWindow(3, 3, Target::Child,
                            [](HWND list, const Args& a) {
                                return SelectListRow(list, Number(a[2])) ? 0 : 1;
                            })},
        {"combo", OnWindow(2, 2, Target::Child,
                           [](HWND combo, const Args&) {
                               std::vector<std::string> entries;
                               if (!ComboEntries(combo, &entries)) return 1;
                               for (const std::string& e : entries) Print(e);
                               return 0;
                           })},
        {"combo-sel", Printing(2, 2, Target::Child,
                               [](HWND combo, const Args&) -> Reading {
                                   LRESULT index = 0;
                                   if (!Send(combo, CB_GETCURSEL, 0, 0, &index))
                                       return std::nullopt;
                                   return std::to_string(index);
                               })},
        {"combo-set", OnWindow(3, 3, Target::Child,
                               [](HWND combo, const Args& a) {
                                   LRESULT index = 0;
                                   if (!Send(combo, CB_SETCURSEL, Number(a[2]), 0, &index))
                                       return 1;
                                   return index == Number(a[2]) ? 0 : Fail("no such entry");
                               })},
        {"click-cell", ClickCell(Click::Left)},
        {"dblclick-cell", ClickCell(Click::Double)},
        {"rclick-cell", ClickCell(Click::Right)},
    };
}

}  // namespace uiprobe
