// The listing reader on any text: the tables it builds stay within their
// bounds and keep their shape (every array followed by its elements, every
// address inside the RAM image, names and pin names cut to their widths).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "project/listing/reader.h"
#include "state/dump_image.h"

namespace {

using namespace varnolux;

// Device files as the listing's processor directive finds them: a PIC18 for
// names that start with "18", an enhanced mid-range part otherwise.
DeviceCore CoreOf(const std::string& name) {
    if (name.compare(0, 2, "18") == 0) return DeviceCore{16, 0x10000};
    return DeviceCore{14, 0x4000};
}

bool KnownListingType(int32_t type) {
    return type == 0 || type == VT_BIT || type == VT_BYTE || type == VT_WORD || type == VT_DWORD ||
           type == VT_FLOAT;
}

void CheckRecord(const MyVarRecord& r) {
    FUZZ_CHECK(!r.VarLabel.empty() && r.VarLabel.size() <= kVarLabelWidth);
    FUZZ_CHECK(r.VarAddress >= 0 && r.VarAddress <= kRamTop);
    FUZZ_CHECK(KnownListingType(r.VarType));
    if (r.VarType == 0) {
        FUZZ_CHECK(r.VarDisplayType == DT_NOCHANGE && r.AddDisplayType == DT_NOCHANGE);
        FUZZ_CHECK(r.VarRecordType == 0 && r.VarLen == 0);
        return;
    }
    FUZZ_CHECK(r.VarDisplayType == DT_DECIMAL && r.AddDisplayType == DT_DECIMAL);
    if (r.VarType == VT_BIT) FUZZ_CHECK(r.VarLen >= 0 && r.VarLen <= 7);
}

// Every array is followed by exactly its elements, "name#j" in order; no
// element stands anywhere else.
void CheckRecords(const VarTable& records) {
    FUZZ_CHECK(records.size() <= kMaxRecords);
    size_t i = 0;
    while (i < records.size()) {
        const MyVarRecord& r = records[i];
        CheckRecord(r);
        // A record of an unknown type has record type 0 (CheckRecord).
        FUZZ_CHECK(r.VarRecordType == RT_VARIABLE || r.VarRecordType == RT_ARRAY || r.VarType == 0);
        ++i;
        if (r.VarRecordType != RT_ARRAY) continue;
        FUZZ_CHECK(r.VarLen >= 1);
        FUZZ_CHECK(static_cast<size_t>(r.VarLen) <= records.size() - i);
        for (int32_t j = 0; j < r.VarLen; ++j, ++i) {
            const MyVarRecord& e = records[i];
            CheckRecord(e);
            FUZZ_CHECK(e.VarRecordType == RT_SUBSCRIPT && e.VarType == r.VarType);
            FUZZ_CHECK(e.VarLen == 1 && e.VarIsExpanded == 0);
            if (r.VarLabel.size() < kVarLabelWidth) {
                FUZZ_CHECK(e.VarLabel ==
                           (r.VarLabel + "#" + std::to_string(j)).substr(0, kVarLabelWidth));
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ListingContents c = ReadListingText("fuzz.lst", text, CoreOf);

    CheckRecords(c.records);
    FUZZ_CHECK(c.sourceFiles.size() <= 101);
    for (const std::string& file : c.sourceFiles) FUZZ_CHECK(!file.empty());
    for (const PortRecord& port : c.device.Ports)
        for (const std::string& pin : port.PinNames) FUZZ_CHECK(pin.size() <= 20);
    if (!c.device.ListingDeviceName.empty()) {
        const DeviceCore core = CoreOf(c.device.ListingDeviceName);
        FUZZ_CHECK(c.device.Core == core.core && c.device.CodeSize == core.maxCode);
    }
    FUZZ_CHECK(c.rom.wordCount >= 0 && c.rom.wordCount <= 2);
    if (c.rom.wordCount > 0) FUZZ_CHECK(c.rom.address > 0);
    for (size_t line = 0; line < c.lcd.pin.size(); ++line) {
        FUZZ_CHECK(c.lcd.port[line] >= -1 && c.lcd.port[line] <= 5);
    }
    return 0;
}
