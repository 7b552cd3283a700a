// Which radix entries the Watch window's popup offers for the clicked cell.
#include <gtest/gtest.h>

#include "support/make_record.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_popup.h"
#include "views/watch/watch_rows.h"

namespace varnolux {
namespace {

const VarTable kRecords = {
    MakeRecord("fault", VT_BIT, 0x30),    MakeRecord("state", VT_BYTE, 0x21),
    MakeRecord("tick", VT_WORD, 0x22),    MakeRecord("uptime", VT_DWORD, 0x24),
    MakeRecord("trim", VT_SBYTE, 0x28),   MakeRecord("diff", VT_SWORD, 0x29),
    MakeRecord("drift", VT_SDWORD, 0x2B), MakeRecord("gain", VT_FLOAT, 0x2F)};

WatchClick OnCell(const std::string& label, int column) {
    WatchClick click;
    click.row = 0;
    click.column = column;
    click.label = label;
    return click;
}

std::vector<std::string> Texts(const WatchPopup& popup) {
    std::vector<std::string> texts;
    for (int id : popup.items) texts.push_back(WatchPopupItemText(id));
    return texts;
}

TEST(WatchPopup, ItemEntriesOfAValueCellFollowTheVariablesType) {
    using Texts_ = std::vector<std::string>;
    const Texts_ all = {"This item as Dec", "This item as Hex", "This item as Binary"};
    const Texts_ decHex = {"This item as Dec", "This item as Hex"};
    const std::pair<const char*, Texts_> cases[] = {
        {"fault", {}}, {"state", all}, {"tick", decHex}, {"uptime", decHex},
        {"trim", {}},  {"diff", {}},   {"drift", {}},    {"gain", {}},
    };
    for (const auto& [label, expected] : cases)
        EXPECT_EQ(Texts(PruneWatchPopup(kRecords, OnCell(label, kWatchColValue))), expected)
            << label;
}

TEST(WatchPopup, TheValueHeaderOffersTheColumnEntriesOnly) {
    WatchClick click;
    click.header = kWatchColValue;
    EXPECT_EQ(Texts(PruneWatchPopup(kRecords, click)),
              (std::vector<std::string>{"This column as Dec", "This column as Hex",
                                        "This column as Binary"}));
    click.header = kWatchColLabel;
    EXPECT_TRUE(PruneWatchPopup(kRecords, click).items.empty());
    click.header = kWatchColFirstHistory;
    EXPECT_TRUE(PruneWatchPopup(kRecords, click).items.empty());
}

TEST(WatchPopup, OtherCellsAndEmptySpaceOfferNothing) {
    EXPECT_TRUE(PruneWatchPopup(kRecords, OnCell("state", kWatchColLabel)).items.empty());
    EXPECT_TRUE(PruneWatchPopup(kRecords, OnCell("state", kWatchColFirstHistory)).items.empty());
    EXPECT_TRUE(PruneWatchPopup(kRecords, WatchClick()).items.empty());
}

TEST(WatchPopup, ARowWithoutVariableIsReported) {
    const WatchPopup popup = PruneWatchPopup(kRecords, OnCell("gone", kWatchColValue));
    EXPECT_TRUE(popup.items.empty());
    EXPECT_EQ(popup.message, "No variable named gone");
}

TEST(WatchPopup, EntriesCarryTheirRadix) {
    EXPECT_EQ(WatchPopupRadix(ids::kWatchColumnDec), DT_DECIMAL);
    EXPECT_EQ(WatchPopupRadix(ids::kWatchColumnBinary), DT_BINARY);
    EXPECT_EQ(WatchPopupRadix(ids::kWatchItemHex), DT_HEX);
    EXPECT_EQ(WatchPopupRadix(28046), 0) << "a command of the menu bar";
    EXPECT_TRUE(IsWatchColumnRadix(ids::kWatchColumnHex));
    EXPECT_FALSE(IsWatchColumnRadix(ids::kWatchItemHex));
}

}  // namespace
}  // namespace varnolux
