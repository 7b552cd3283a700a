// Commands on list views and combo boxes.
#include <windows.h>

#include <cstdio>

#include "commands.h"
#include "probe.h"

namespace uiprobe {

namespace {

int ListRows(const Args& a) {
    HWND list = Child(a[0], a[1]);
    if (!list) return 1;
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

int ListColumns(const Args& a) {
    HWND list = Child(a[0], a[1]);
    if (!list) return 1;
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
        {"cut-texts",
         {2, 2,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              std::string first;
              const int cut = list ? CutTexts(list, &first) : -1;
              if (cut < 0) return 1;
              Print(std::to_string(cut) + (cut ? " " + first : ""));
              return 0;
          }}},
        {"count",
         {2, 2,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              const int rows = list ? ListRowCount(list) : -1;
              if (rows < 0) return 1;
              Print(std::to_string(rows));
              return 0;
          }}},
        {"rows", {2, 2, ListRows}},
        {"cell",
         {4, 4,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              std::string text;
              if (!list || !ListCell(list, Number(a[2]), Number(a[3]), &text)) return 1;
              Print(text);
              return 0;
          }}},
        {"columns", {2, 2, ListColumns}},
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
        {"select",
         {3, 3,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              return list && SelectListRow(list, Number(a[2])) ? 0 : 1;
          }}},
        {"combo",
         {2, 2,
          [](const Args& a) {
              HWND combo = Child(a[0], a[1]);
              std::vector<std::string> entries;
              if (!combo || !ComboEntries(combo, &entries)) return 1;
              for (const std::string& e : entries) Print(e);
              return 0;
          }}},
        {"combo-sel",
         {2, 2,
          [](const Args& a) {
              HWND combo = Child(a[0], a[1]);
              LRESULT index = 0;
              if (!combo || !Send(combo, CB_GETCURSEL, 0, 0, &index)) return 1;
              Print(std::to_string(index));
              return 0;
          }}},
        {"combo-set",
         {3, 3,
          [](const Args& a) {
              HWND combo = Child(a[0], a[1]);
              LRESULT index = 0;
              if (!combo || !Send(combo, CB_SETCURSEL, Number(a[2]), 0, &index)) return 1;
              return index == Number(a[2]) ? 0 : Fail("no such entry");
          }}},
        {"click-cell", ClickCell(Click::Left)},
        {"dblclick-cell", ClickCell(Click::Double)},
        {"rclick-cell", ClickCell(Click::Right)},
    };
}

}  // namespace uiprobe
