#include "vars/record_update.h"

#include "vars/value_decode.h"

namespace varnolux {
namespace {

std::string PaddedLabel(const std::string& label) {
    std::string out = label.substr(0, kVarLabelWidth);
    out.resize(kVarLabelWidth, ' ');
    return out;
}

}  // namespace

void StoreNewValue(MyVarRecord& record, uint32_t value, int32_t previousDumpId) {
    if (record.VarValueInit == 0) {
        record.VarValueInit = 1;
        record.VarValue = value;
        return;
    }
    for (size_t k = record.VarLast.size() - 1; k > 0; --k) {
        record.VarLast[k] = record.VarLast[k - 1];
        record.DumpIDLast[k] = record.DumpIDLast[k - 1];
    }
    record.VarLast[0] = record.VarValue;
    record.DumpIDLast[0] = previousDumpId;
    if (value != record.VarValue) {
        record.VarPreviousInit = 1;
        if (record.VarRecordType != RT_ARRAY) record.VarIsHighLight = 1;
        record.VarPrevious = record.VarValue;
        record.VarValue = value;
    }
}

UpdateReport UpdateRecordsFromDump(VarTable& records, const DumpImage& image) {
    UpdateReport report;
    for (MyVarRecord& record : records) {
        if (record.VarAddress < 0 || record.VarAddress > kRamTop) {
            report.invalidAddress = true;
            break;
        }
        const DecodedValue decoded = DecodeRawValue(record, image);
        if (record.VarType < VT_BIT || record.VarType > VT_FLOAT) {
            report.internalErrors.push_back(
                {static_cast<size_t>(&record - records.data()),
                 "UpdateRecordsFromDump 1 " + PaddedLabel(record.VarLabel) + " "});
            continue;
        }
        if (decoded.taken) StoreNewValue(record, decoded.raw, image.PreviousDumpId);
    }
    return report;
}

void ShowUpdateReport(const UpdateReport& report, Prompts& prompts, ShownInternalErrors& shown) {
    for (const UpdateReport::InternalError& error : report.internalErrors) {
        if (shown.insert(error.record).second) prompts.Inform(error.text);
    }
    if (report.invalidAddress) {
        PromptRequest request;
        request.text = "invalid address in MyVarRecord";
        request.caption = "Error";
        request.icon = PromptIcon::None;
        request.topmost = false;
        request.foreground = true;
        prompts.Show(request);
    }
}

int32_t FindRecordByLabel(const VarTable& records, const std::string& label) {
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].VarLabel == label) return int32_t(i);
    }
    return kNoRecord;
}

}  // namespace varnolux
