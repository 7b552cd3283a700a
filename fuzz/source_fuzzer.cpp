// The source scanner on any text: the dump point table names only lines that
// exist, in DumpIDs 1 to 255, with comments cut to 40 characters; the records
// keep their names, addresses and order and take only signed types and
// comments cut to 50 characters.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "project/sources/lines.h"
#include "project/sources/scanner.h"
#include "state/session.h"
#include "support/make_record.h"
#include "support/memory_session_rig.h"

namespace {

using namespace varnolux;

// A small project's records as the listing left them.
const VarTable& ListedRecords() {
    static const VarTable records = [] {
        VarTable t{
            MakeRecord("count", VT_BYTE, 0x20),  MakeRecord("temp", VT_WORD, 0x22),
            MakeRecord("Total", VT_DWORD, 0x24), MakeRecord("flag", VT_BIT, 0x28, 3),
            MakeRecord("ratio", VT_FLOAT, 0x2A), MakeRecord("buf", VT_BYTE, 0x30, 3, RT_ARRAY)};
        for (int j = 0; j < 3; ++j)
            t.push_back(MakeRecord("buf#" + std::to_string(j), VT_BYTE, 0x30 + j, 1, RT_SUBSCRIPT));
        t.push_back(MakeRecord("odd", 0, 0x40));
        return t;
    }();
    return records;
}

bool AllowedType(int32_t listed, int32_t now) {
    return now == listed || now == VT_SBYTE || now == VT_SWORD || now == VT_SDWORD;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    // One session for the run, its scanned parts reset per input: a new one
    // would allocate the 240 KB dump image each time, most of the run's cost.
    static Session session;
    session.project = ProjectFacts();
    session.device = DeviceDescription();
    session.dumpPoints = DumpPointTable();
    session.image.DumpId = -1;
    session.records = ListedRecords();
    session.project.sourceFiles = {"C:\\PROJ\\MAIN.BAS"};
    MemorySeams<> rig;
    // The first byte answers the duplicate-DumpID prompts: OK goes on, Cancel ends.
    for (int bit = 0; bit < 8; ++bit)
        rig.prompts.Script((data[0] >> bit) & 1 ? PromptAnswer::Cancel : PromptAnswer::Ok);

    const SourceScanEnd end = ScanSourceText(session, rig.seams, 0, text);
    FUZZ_CHECK(end == SourceScanEnd::Completed || rig.view.closeRequested);

    const size_t lineCount = SourceTextLines(text).size();
    const DumpPointTable& points = session.dumpPoints;
    FUZZ_CHECK(points.order.size() <= static_cast<size_t>(kDumpPointEntries));
    for (int32_t id : points.order) {
        FUZZ_CHECK(id >= 1 && id <= 255);
        const DumpPoint& p = points.entries[static_cast<size_t>(id)];
        FUZZ_CHECK(p.line >= 1 && static_cast<size_t>(p.line) <= lineCount);
        FUZZ_CHECK(p.file == 0 && (p.kind == 0 || p.kind == 1));
        FUZZ_CHECK(p.comment.size() <= 40);
    }
    FUZZ_CHECK(points.entries[0].line == 0 && points.entries[256].line == 0);

    const VarTable& listed = ListedRecords();
    FUZZ_CHECK(session.records.size() == listed.size());
    for (size_t i = 0; i < listed.size(); ++i) {
        const MyVarRecord& r = session.records[i];
        FUZZ_CHECK(r.VarLabel == listed[i].VarLabel);
        FUZZ_CHECK(r.VarAddress == listed[i].VarAddress);
        FUZZ_CHECK(r.VarRecordType == listed[i].VarRecordType);
        FUZZ_CHECK(AllowedType(listed[i].VarType, r.VarType));
        FUZZ_CHECK(r.VarComment.size() <= kVarCommentWidth);
    }
    FUZZ_CHECK(session.project.heapTotal >= 0);
    return 0;
}
