#pragma once
// Commands that shape the main list: radixes, filters, arrays, watches, the
// clipboard and the highlight, and the context menu assembled for a click.
#include <string>
#include <vector>

#include "seams/host_os.h"
#include "vars/list_context.h"

namespace varnolux {

// Context-menu and menu command IDs handled here.
namespace listcmd {
constexpr int kColumnDecimal = 28005;
constexpr int kColumnHex = 28006;
constexpr int kExcludeBlank = 28008;
constexpr int kIncludeBlank = 28009;
constexpr int kColumnBinary = 28010;
constexpr int kRowDecimal = 28011;
constexpr int kRowHex = 28012;
constexpr int kRowBinary = 28013;
constexpr int kItemDecimal = 28014;
constexpr int kItemHex = 28015;
constexpr int kItemBinary = 28016;
constexpr int kContractAll = 28017;
constexpr int kContractAllButThis = 28018;
constexpr int kExpandAll = 28019;
constexpr int kExpandAllButThis = 28020;
constexpr int kClearAllWatches = 28001;
constexpr int kHideSelectedItem = 28032;
constexpr int kLabelToClipboard = 28056;
constexpr int kHideSelected = 28030;
constexpr int kUnhideAll = 28031;
constexpr int kAutoExclude = 28038;
constexpr int kManualExclude = 28039;
constexpr int kHighlightLabel = 28034;
constexpr int kHighlightValue = 28035;
}  // namespace listcmd

// The sixteen items the context menu is assembled from, in resource order.
const std::vector<int>& ContextMenuItemIds();
// The item's text as the menu shows it.
std::string ContextMenuItemText(int id);

// Every record's radixes (0 leaves one unchanged), then every row rewritten.
void SetAllRadix(ListContext& ctx, int addressRadix, int dataRadix);
// "Dec", "Hex", "Bin" buttons: radix 1, 2 or 3 with their default settings.
void RadixButton(ListContext& ctx, int radix);
// "This column as ..." from the Address or Value header.
void ColumnRadix(ListContext& ctx, int radix);
// "This row as ...": value and address radix of the clicked row's record.
void RowRadix(ListContext& ctx, int radix);
// "This item as ...": the radix of the clicked cell only.
void ItemRadix(ListContext& ctx, int radix);

void ContractAllButThis(ListContext& ctx);
// Expands every collapsed array with a value whose label differs from `exclusion`.
void ExpandAllExcept(ListContext& ctx, const std::string& exclusion);
void ExpandAllButThis(ListContext& ctx);

void HideSelectedRows(ListContext& ctx);
void UnhideAll(ListContext& ctx);
void ExcludeBlankVariables(ListContext& ctx);
void IncludeBlankVariables(ListContext& ctx);
void LabelToClipboard(ListContext& ctx, HostOs& os);
void SetHighlightCell(ListContext& ctx, bool onLabel);

// A right click on a cell (row -1: empty space).
void RightClickCell(ListContext& ctx, int row, int column);
// A right click on the header, over `column`.
void RightClickHeader(ListContext& ctx, int column);
// The items to show for the last right click, in order; keeps the click for the
// command and forgets it, so a menu without a fresh right click is empty.
std::vector<int> AssembleContextMenu(ListContext& ctx);

// Runs a list command by its ID; false when the ID is not one of them.
bool RunListCommand(ListContext& ctx, int id, HostOs& os);

}  // namespace varnolux
