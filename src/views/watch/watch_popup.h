#pragma once
// The Watch window's popup (menu 2804): which of its six radix entries show for
// the cell or header that was right-clicked.
#include <string>
#include <vector>

#include "state/var_record.h"

namespace varnolux {

// The last right click in the Watch list.
struct WatchClick {
    int header = -1;  // header column under the cursor; -1: the click was not on the header
    int row = -1;     // row and column of a click on the list; -1: none
    int column = -1;
    std::string label;  // Label cell of the clicked row
};

struct WatchPopup {
    std::vector<int> items;  // the entries that remain, in menu order
    std::string message;     // for the user when the clicked row has no variable
};

// The six entries in menu order: three column radixes, three item radixes.
const std::vector<int>& WatchPopupItemIds();
std::string WatchPopupItemText(int id);

// On the Value header: the three column entries. On a row's Value cell: the
// item entries its type allows (byte: all three; word and dword: Dec and Hex;
// bit, signed and float: none). Anything else: no entries.
WatchPopup PruneWatchPopup(const VarTable& records, const WatchClick& click);

// The radix (1 Dec, 2 Hex, 3 Binary) of a popup entry; 0 for other commands.
int WatchPopupRadix(int id);
bool IsWatchColumnRadix(int id);

// The message for a Watch row whose label names no variable.
std::string NoVariableText(const std::string& label);

}  // namespace varnolux
