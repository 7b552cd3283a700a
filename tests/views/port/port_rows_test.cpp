// The Port window's rows, marks, colours and toggling on an in-memory list.
#include <gtest/gtest.h>

#include "seams/memory/memory_report_list.h"
#include "views/port/port_view.h"

namespace varnolux {
namespace {

constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kWhite{255, 255, 255};

// A port that has bits 0 to 5, direction 0F and value F5.
PortRecord SixBitPort() {
    PortRecord p;
    p.Present = 1;
    p.DirectionPresent = 1;
    p.ImplementedBits = 0x3F;
    p.DirectionImage = 0x0F;
    p.ValueImage = 0xF5;
    p.PinNames = {"Keys.0", "", "  Led", "", "", "", "", ""};
    return p;
}

class PortWindowModel : public ::testing::Test {
  protected:
    PortWindowModel() : view(session) { session.run.ProjectLoaded = 1; }

    // Opens the window with every port collapsed or expanded, then refreshes as after a dump.
    void Open(int32_t expanded) {
        PortPlacement placement;
        placement.expanded.fill(expanded);
        view.Open(placement);
        view.Refresh(list, true);
    }
    // Port A of six bits, opened, then a dump in which A.0 went low.
    void OpenAfterA0WentLow(int32_t expanded) {
        session.device.Ports[0] = SixBitPort();
        Open(expanded);
        Dump({0xF4, 0, 0, 0, 0});
    }
    // A dump arrives with these port values (A .. E).
    void Dump(std::array<uint8_t, 5> values) {
        for (size_t p = 0; p < values.size(); ++p) session.device.Ports[p].ValueImage = values[p];
        view.Refresh(list, true);
    }
    std::vector<std::string> Row(int row) {
        std::vector<std::string> cells;
        for (int c = 0; c < kPortColumns; ++c) cells.push_back(list.CellText(row, c));
        return cells;
    }
    int YellowCells() {
        int yellow = 0;
        for (int r = 0; r < list.RowCount(); ++r)
            for (int c = 0; c < 5; ++c)
                if (view.Colours(r, c).background == kYellow) ++yellow;
        return yellow;
    }

    Session session;
    MemoryReportList list{kPortColumns};
    PortView view;
};

TEST_F(PortWindowModel, CollapsedPortShowsDirectionsAndTheMaskedValue) {
    session.device.Ports[0] = SixBitPort();
    Open(0);
    ASSERT_EQ(list.RowCount(), 1);
    EXPECT_EQ(Row(0),
              (std::vector<std::string>{"PortA", "%xx001111", "%00110101", "$35", "53", ""}));
    EXPECT_EQ(list.RowImage(0), kImagePortCollapsed);
}

TEST_F(PortWindowModel, ExpandedPortShowsOneRowPerBitWithPinNames) {
    session.device.Ports[0] = SixBitPort();
    Open(1);
    ASSERT_EQ(list.RowCount(), 9);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"PortA", "", "%00110101", "$35", "53", ""}));
    EXPECT_EQ(list.RowImage(0), kImagePortExpanded);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"   0   Keys.0", "In", "1", "", "", "0"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"   1   ", "In", "0", "", "", "0"}));
    EXPECT_EQ(Row(3)[0], "   2   Led");  // leading blanks of the name dropped
    EXPECT_EQ(Row(5)[1], "Out");         // direction bit 4 is 0
    EXPECT_EQ(Row(6)[2], "1");
    EXPECT_EQ(Row(7), (std::vector<std::string>{"   6   ", " x ", "x", "", "", "0"}));
    EXPECT_EQ(Row(8), (std::vector<std::string>{"   7   ", " x ", "x", "", "", "0"}));
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(list.RowImage(r), kImageBit) << r;
    EXPECT_EQ(list.RowImage(8), kImageLastBit);
}

TEST_F(PortWindowModel, PortWithoutDirectionBitsShowsInputsOnly) {
    PortRecord e;
    e.Present = 1;
    e.ImplementedBits = 0x08;  // RE3 only, no TRISE
    e.DirectionImage = 0x00;
    e.ValueImage = 0xFF;
    session.device.Ports[4] = e;
    Open(0);
    EXPECT_EQ(Row(0),
              (std::vector<std::string>{"PortE", "%xxxx1xxx", "%00001000", "$08", "8", ""}));
    Open(1);
    EXPECT_EQ(Row(4)[1], "In");
    EXPECT_EQ(Row(4)[2], "1");
    EXPECT_EQ(Row(1)[1], " x ");
}

TEST_F(PortWindowModel, PortsThatAreNotPresentHaveNoRows) {
    session.device.Ports[1] = SixBitPort();
    session.device.Ports[3] = SixBitPort();
    session.device.Ports[5] = SixBitPort();  // F is beyond the window
    Open(0);
    ASSERT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.CellText(0, 0), "PortB");
    EXPECT_EQ(list.CellText(1, 0), "PortD");
    session.device = DeviceDescription();
    view.Refresh(list, true);
    EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(PortWindowModel, ChangedBitsAreMarkedAndEqualDumpsLeaveNothingYellow) {
    session.device.Ports[0] = SixBitPort();
    session.device.Ports[1] = SixBitPort();
    Open(1);
    EXPECT_EQ(YellowCells(), 0) << "nothing has changed since the window opened";
    Dump({0xF4, 0xF5, 0, 0, 0});  // A.0 goes low
    EXPECT_EQ(Row(1)[kPortChangedColumn], "1");
    for (int r = 2; r < list.RowCount(); ++r) {
        const std::string expected = r == 9 ? "" : "0";  // row 9: PortB, no mark
        EXPECT_EQ(Row(r)[kPortChangedColumn], expected) << r;
    }
    EXPECT_EQ(session.device.Ports[0].Changed, 1);
    EXPECT_EQ(session.device.Ports[1].Changed, 0);
    Dump({0xF4, 0xF5, 0, 0, 0});
    EXPECT_EQ(YellowCells(), 0);
    EXPECT_EQ(session.device.Ports[0].Changed, 0);
}

TEST_F(PortWindowModel, BitsTheDeviceLacksNeverCountAsChanged) {
    session.device.Ports[0] = SixBitPort();
    Open(1);
    Dump({0x35, 0, 0, 0, 0});  // only bits 6 and 7 differ
    EXPECT_EQ(session.device.Ports[0].Changed, 0);
    EXPECT_EQ(YellowCells(), 0);
}

TEST_F(PortWindowModel, HighlightFollowsHighLightLabel) {
    OpenAfterA0WentLow(0);
    struct Case {
        int32_t highLightLabel;
        std::array<bool, 5> yellow;
    };
    for (const Case& c :
         {Case{1, {true, false, false, false, false}}, Case{0, {false, false, true, true, true}}}) {
        session.settings.HighLightLabel = c.highLightLabel;
        for (int col = 0; col < 5; ++col) {
            const CellColours colours = view.Colours(0, col);
            EXPECT_FALSE(colours.useDefault);
            EXPECT_EQ(colours.background, c.yellow[col] ? kYellow : kWhite)
                << "HighLightLabel " << c.highLightLabel << " column " << col;
            EXPECT_EQ(colours.text, (Rgb{0, 0, 0}));
        }
    }
}

TEST_F(PortWindowModel, ExpandedPortRowIsNeverYellowItsBitRowIs) {
    OpenAfterA0WentLow(1);
    session.settings.HighLightLabel = 1;
    EXPECT_EQ(view.Colours(0, 0).background, kWhite);
    EXPECT_EQ(view.Colours(1, 0).background, kYellow);
    EXPECT_EQ(view.Colours(2, 0).background, kWhite);
}

TEST_F(PortWindowModel, NoColoursBeforeTheProjectIsLoaded) {
    OpenAfterA0WentLow(0);
    session.run.ProjectLoaded = 0;
    EXPECT_TRUE(view.Colours(0, 0).useDefault);
}

TEST_F(PortWindowModel, DoubleClickOnABitRowCollapsesItsPort) {
    session.device.Ports[0] = SixBitPort();
    session.device.Ports[2] = SixBitPort();
    Open(1);
    ASSERT_EQ(list.RowCount(), 18);
    ASSERT_EQ(list.CellText(9, 0), "PortC");
    EXPECT_TRUE(view.Toggle(list, 9 + 6));  // bit 5 of port C
    EXPECT_EQ(session.device.Ports[2].Expanded, 0);
    EXPECT_EQ(session.device.Ports[0].Expanded, 1);
    ASSERT_EQ(list.RowCount(), 10);
    EXPECT_EQ(list.CellText(9, 1), "%xx001111");
    EXPECT_TRUE(view.Toggle(list, 9));  // the port row expands it again
    EXPECT_EQ(list.RowCount(), 18);
    EXPECT_TRUE(view.Toggle(list, 0));
    EXPECT_EQ(list.RowCount(), 10);
    EXPECT_EQ(view.Expanded(), (std::array<int32_t, 5>{0, 1, 1, 1, 1}));
    EXPECT_FALSE(view.Toggle(list, 10));  // beyond the last row
    EXPECT_FALSE(view.Toggle(list, -1));
}

TEST_F(PortWindowModel, ExpandingKeepsTheMarksOfTheLastDump) {
    OpenAfterA0WentLow(0);
    session.settings.HighLightLabel = 0;
    EXPECT_EQ(view.Colours(0, 2).background, kYellow);
    ASSERT_TRUE(view.Toggle(list, 0));
    EXPECT_EQ(Row(1)[kPortChangedColumn], "1") << "the bit that changed is still marked";
    EXPECT_EQ(view.Colours(1, 2).background, kYellow);
    Dump({0xF4, 0, 0, 0, 0});
    EXPECT_EQ(Row(1)[kPortChangedColumn], "0");
}

// Rows are rewritten where they are, not deleted and added again, so the
// list keeps its selection and scroll position from dump to dump.
TEST_F(PortWindowModel, RefreshRewritesTheRowsInPlace) {
    session.device.Ports[0] = SixBitPort();
    session.device.Ports[1] = SixBitPort();
    Open(1);
    list.SetSelected(12, true);
    Dump({0, 0, 0, 0, 0});
    EXPECT_TRUE(list.IsSelected(12));
    EXPECT_EQ(list.CellText(0, 2), "%00000000");
    EXPECT_TRUE(list.DrawingOn());
}

TEST(PortToggle, TextsThatAreNoPortRowsChangeNothing) {
    std::array<PortRecord, kPortCount> ports{};
    MemoryReportList list(kPortColumns);
    for (const char* text : {"PortF", "Port", "   9   x", "", "   3   x"}) {
        list.DeleteAllRows();
        list.InsertRow(0);
        list.SetCellText(0, 0, text);
        EXPECT_FALSE(TogglePortRow(list, 0, ports)) << text;
    }
}

TEST(PortHeader, SectionsDriveTheColumns) {
    EXPECT_EQ(ColumnWidthsFromHeader({120, 80, 200}), (std::array<int, 5>{120, 80, 100, 50, 50}));
    EXPECT_EQ(ColumnWidthsFromHeader({100, 100, 101}), (std::array<int, 5>{100, 100, 50, 25, 25}));
}

}  // namespace
}  // namespace varnolux
