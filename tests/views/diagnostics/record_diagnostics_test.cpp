// The record diagnostics window's cells: every field of a record, the
// enumerations by name and "???" for values outside them.
#include <gtest/gtest.h>

#include "support/make_record.h"
#include "vars/record_update.h"
#include "views/diagnostics/record_diagnostics.h"

namespace varnolux {
namespace {

// The cell under the header text.
std::string Cell(const std::vector<std::string>& cells, const std::string& header,
                 int occurrence = 0) {
    const std::vector<std::string>& headers = DiagnosticsHeaders();
    for (size_t i = 0; i < headers.size(); ++i)
        if (headers[i] == header && occurrence-- == 0) return cells.at(i);
    ADD_FAILURE() << "no column " << header;
    return std::string();
}

TEST(RecordDiagnostics, HeadersInTheirOrderWithTheirBlanks) {
    const std::vector<std::string>& h = DiagnosticsHeaders();
    ASSERT_EQ(h.size(), 37u);
    EXPECT_EQ(h[0], "Index");
    EXPECT_EQ(h[1], "VarLabel        ");
    EXPECT_EQ(h[2], "VarRecordType      ");
    EXPECT_EQ(h[3], "VarType       ");
    EXPECT_EQ(h[6], "VarDisplayType     ");
    EXPECT_EQ(h[9], "VarPrevious");
    EXPECT_EQ(h[10], "VarLast(0)");
    EXPECT_EQ(h[11], "DumpIDLast(0)");
    EXPECT_EQ(h[25], "DumpIDLast(7)");
    EXPECT_EQ(h[26], "VarIsExpanded");
    EXPECT_EQ(h[34], "VarExistingDisp");
    EXPECT_EQ(h[35], "Varlabel");
    EXPECT_EQ(h[36], "Index");
    EXPECT_TRUE(IsDiagnosticsLabelColumn(1));
    EXPECT_TRUE(IsDiagnosticsLabelColumn(35));
    EXPECT_FALSE(IsDiagnosticsLabelColumn(34));
}

TEST(RecordDiagnostics, ASignedWordAfterTwoDumps) {
    MyVarRecord r = MakeRecord("setPoint", VT_SWORD, 0x23);
    r.VarComment = "wanted temperature";
    StoreNewValue(r, 215, 0);
    StoreNewValue(r, 0xFFFF, 5);
    const std::vector<std::string> cells = DiagnosticsCells(12, r);
    ASSERT_EQ(cells.size(), DiagnosticsHeaders().size());
    EXPECT_EQ(cells.front(), "12");
    EXPECT_EQ(cells.back(), "12");
    EXPECT_EQ(Cell(cells, "VarLabel        "), "setPoint");
    EXPECT_EQ(Cell(cells, "Varlabel"), "setPoint");
    EXPECT_EQ(Cell(cells, "VarRecordType      "), "RT_VARIABLE");
    EXPECT_EQ(Cell(cells, "VarType       "), "VT_SWORD");
    EXPECT_EQ(Cell(cells, "VarAddress"), " 35");
    EXPECT_EQ(Cell(cells, "VarLen"), " 1");
    EXPECT_EQ(Cell(cells, "VarDisplayType     "), "DT_DECIMAL");
    EXPECT_EQ(Cell(cells, "AddDisplayType"), "DT_HEX");
    EXPECT_EQ(Cell(cells, "VarValue"), " 65535") << "the stored value, unsigned";
    EXPECT_EQ(Cell(cells, "VarPrevious"), " 215");
    EXPECT_EQ(Cell(cells, "VarLast(0)"), " 215");
    EXPECT_EQ(Cell(cells, "DumpIDLast(0)"), " 5");
    EXPECT_EQ(Cell(cells, "VarLast(1)"), " 0");
    EXPECT_EQ(Cell(cells, "VarIsHighLight"), "High");
    EXPECT_EQ(Cell(cells, "VarValueInit"), "Init");
    EXPECT_EQ(Cell(cells, "VarPreviousInit"), "Init");
    EXPECT_EQ(Cell(cells, "VarComment"), "wanted temperature");
}

TEST(RecordDiagnostics, APortRecord) {
    MyVarRecord r = MakeRecord("PORTB", VT_PORT, 0xF81, 1, RT_PORT);
    const std::vector<std::string> cells = DiagnosticsCells(0, r);
    EXPECT_EQ(Cell(cells, "VarRecordType      "), "RT_PORT");
    EXPECT_EQ(Cell(cells, "VarType       "), "VT_PORT");
}

TEST(RecordDiagnostics, AVariableNoDumpHasSet) {
    MyVarRecord r = MakeRecord("fault", VT_BIT, 0x30, 1);
    const std::vector<std::string> cells = DiagnosticsCells(3, r);
    EXPECT_EQ(Cell(cells, "VarValueInit"), "Not");
    EXPECT_EQ(Cell(cells, "VarPreviousInit"), "Not");
    EXPECT_EQ(Cell(cells, "VarType       "), "VT_BIT ") << "with its blank";
    EXPECT_EQ(Cell(cells, "VarIsExpanded"), "Expanded");
    EXPECT_EQ(Cell(cells, "VarIsHidden"), "Not");
    EXPECT_EQ(Cell(cells, "VarFirstTime"), "Yes");
    EXPECT_EQ(Cell(cells, "VarInWatchList"), "Not");
}

TEST(RecordDiagnostics, ValuesOutsideTheEnumerationsShowQuestionMarks) {
    MyVarRecord r = MakeRecord("odd", 0, 0x30, 1, 7);
    r.VarDisplayType = 9;
    r.AddDisplayType = -1;
    r.VarIsHidden = 2;
    r.VarFirstTime = 1;
    r.VarInWatchList = 1;
    const std::vector<std::string> cells = DiagnosticsCells(0, r);
    EXPECT_EQ(Cell(cells, "VarRecordType      "), "???");
    EXPECT_EQ(Cell(cells, "VarType       "), "???");
    EXPECT_EQ(Cell(cells, "VarDisplayType     "), "???");
    EXPECT_EQ(Cell(cells, "AddDisplayType"), "???");
    EXPECT_EQ(Cell(cells, "VarIsHidden"), "???");
    EXPECT_EQ(Cell(cells, "VarFirstTime"), "Never");
    EXPECT_EQ(Cell(cells, "VarInWatchList"), "In");
}

TEST(RecordDiagnostics, OneRowPerRecordNumberedFromZero) {
    const VarTable records = {MakeRecord("a", VT_BYTE, 1), MakeRecord("b", VT_WORD, 2),
                              MakeRecord("c", VT_BIT, 3)};
    const auto rows = DiagnosticsRows(records);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2][0], "2");
    EXPECT_EQ(rows[2][1], "c");
}

}  // namespace
}  // namespace varnolux
