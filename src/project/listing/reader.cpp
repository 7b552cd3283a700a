#include "project/listing/reader.h"

#include <optional>
#include <string>
#include <vector>

#include "project/device/file_problem.h"
#include "project/device/reader.h"
#include "project/listing/files.h"
#include "project/listing/pins.h"
#include "project/listing/tail.h"
#include "project/listing/text.h"
#include "project/listing/variables.h"

namespace varnolux {
namespace {

const char kRoutine[] = "ReadListing";

void ClearListingFacts(Session& session) {
    session.project.sourceFiles.clear();
    session.project.romReference = RomReference{};
    DeviceDescription& device = session.device;
    device.ListingDeviceName.clear();
    device.Core = 0;
    device.CodeSize = 0;
    for (PortRecord& port : device.Ports) port.PinNames = {};
    std::lock_guard<std::mutex> lock(session.recordsLock);
    session.records.clear();
    session.image = DumpImage{};
}

}  // namespace

ListingContents ReadListingText(const std::string& name, const std::string& text,
                                const DeviceCoreReader& readCore) {
    ListingContents c;
    const std::vector<std::string> lines = ListingLines(text);
    const size_t sectionLine = ReadSourceFileList(lines, c.sourceFiles, c.messages);
    size_t tailLine = lines.size();
    if (sectionLine < lines.size()) {
        tailLine = ReadVariableSection(lines, sectionLine + 1, c.records, c.messages);
    } else {
        c.messages.push_back(std::string(kRoutine) + " 11 no [Variable Listing] in " + name);
    }
    bool endLabelSeen = false;
    c.lcd = ReadListingTail(lines, tailLine, c.records, c.device, c.rom, readCore, c.messages,
                            &endLabelSeen);
    // A listing cut short lacks its end and with it the ROM reference that the
    // 16-bit core's ROM check compares; that check is skipped (see the load's end).
    if (c.device.Core == 16 && !endLabelSeen) {
        c.messages.push_back(std::string(kRoutine) + " 12 " + name +
                             " ends before its end label __EOF: the listing is incomplete, "
                             "recompile to write it again; the ROM check is skipped");
    } else if (c.device.Core == 16 && c.rom.wordCount == 0) {
        c.messages.push_back(std::string(kRoutine) + " 13 " + name +
                             " has no program word before its end label __EOF: the ROM check "
                             "is skipped");
    }
    return c;
}

bool ReadListing(Session& session, Seams& seams) {
    ClearListingFacts(session);
    const std::string& name = session.project.listingName;
    if (name.empty()) {
        seams.prompts.Inform(std::string(kRoutine) + " 1 ");
        return false;
    }
    const std::optional<std::string> text = seams.os.ReadFile(name);
    if (!text) {
        seams.prompts.Inform(std::string(kRoutine) + " 2 " +
                             FileProblemText("listing", name, MissingOrUnreadable(seams.os, name)));
        return false;
    }

    std::vector<std::string> deviceProblems;
    const DeviceCoreReader readCore = [&](const std::string& deviceName) {
        const std::string path = DeviceFilePath(session.settings, deviceName);
        const FileProblem problem = ProblemOfFile(seams.os, path);
        if (problem != FileProblem::None)
            deviceProblems.push_back(
                std::string(kRoutine) + " 14 " + FileProblemText("device file", path, problem) +
                " - the device's core and code size are not known" + DeviceFolderHint(problem));
        return ReadDeviceCore(seams.os, path);
    };
    ListingContents c = ReadListingText(name, *text, readCore);
    c.messages.insert(c.messages.begin(), deviceProblems.begin(), deviceProblems.end());
    session.project.sourceFiles = std::move(c.sourceFiles);
    session.project.romReference = c.rom;
    DeviceDescription& device = session.device;
    device.ListingDeviceName = c.device.ListingDeviceName;
    device.Core = c.device.Core;
    device.CodeSize = c.device.CodeSize;
    for (size_t p = 0; p < device.Ports.size(); ++p) {
        device.Ports[p].PinNames = c.device.Ports[p].PinNames;
    }
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        session.records = std::move(c.records);
    }

    for (const std::string& message : c.messages) seams.prompts.Inform(message);
    if (device.ListingDeviceName.empty()) {
        seams.prompts.Inform(std::string(kRoutine) + " 7 LstDevice fail ");
    }
    ApplyLcdPinNames(c.lcd, device);
    return true;
}

}  // namespace varnolux
