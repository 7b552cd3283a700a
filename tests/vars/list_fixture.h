#pragma once
// A small project's record table on an in-memory list, for the main list tests.
#include <string>
#include <vector>

#include "seams/memory/memory_report_list.h"
#include "state/session.h"
#include "support/make_record.h"
#include "vars/list_context.h"
#include "vars/record_update.h"

namespace varnolux {

class ListFixture {
  public:
    ListFixture() : ctx(session, list) { session.run.ProjectLoaded = 1; }

    int Var(const std::string& label, int32_t type, int32_t address,
            const std::string& comment = "") {
        MyVarRecord r = MakeRecord(label, type, address);
        r.VarComment = comment;
        session.records.push_back(r);
        return static_cast<int>(session.records.size()) - 1;
    }

    // An array record followed by its elements; returns the array's index.
    int Array(const std::string& label, int32_t type, int32_t address, int32_t count,
              int32_t elementSize = 1) {
        session.records.push_back(MakeRecord(label, type, address, count, RT_ARRAY));
        const int index = static_cast<int>(session.records.size()) - 1;
        for (int j = 0; j < count; ++j)
            session.records.push_back(MakeRecord(label + "#" + std::to_string(j), type,
                                                 address + j * elementSize, 1, RT_SUBSCRIPT));
        return index;
    }

    // A dump delivering `value` to the record (and to an array's elements).
    void Deliver(int index, uint32_t value) {
        StoreNewValue(session.records[index], value, session.image.DumpId);
        const MyVarRecord& r = session.records[index];
        if (r.VarRecordType == RT_ARRAY)
            for (int j = 0; j < r.VarLen; ++j)
                StoreNewValue(session.records[index + 1 + j], value + j, session.image.DumpId);
    }
    void DeliverAll(uint32_t value) {
        for (size_t i = 0; i < session.records.size(); ++i)
            if (session.records[i].VarRecordType != RT_SUBSCRIPT)
                Deliver(static_cast<int>(i), value);
    }

    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (int row = 0; row < list.RowCount(); ++row) labels.push_back(list.CellText(row, 1));
        return labels;
    }
    std::vector<int> Images() const {
        std::vector<int> images;
        for (int row = 0; row < list.RowCount(); ++row) images.push_back(list.RowImage(row));
        return images;
    }
    int RowOf(const std::string& label) const {
        for (int row = 0; row < list.RowCount(); ++row)
            if (list.CellText(row, 1) == label) return row;
        return -1;
    }

    Session session;
    MemoryReportList list;
    ListContext ctx;
};

}  // namespace varnolux
