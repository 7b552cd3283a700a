#include "project/listing_reader.h"

#include <optional>
#include <string>
#include <vector>

#include "project/device_reader.h"
#include "project/file_problem.h"
#include "project/listing_files.h"
#include "project/listing_pins.h"
#include "project/listing_tail.h"
#include "project/listing_text.h"
#include "project/listing_variables.h"

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

    const std::vector<std::string> lines = ListingLines(*text);
    std::vector<std::string> messages;
    const size_t sectionLine = ReadSourceFileList(lines, session.project.sourceFiles, messages);

    VarTable records;
    size_t tailLine = lines.size();
    if (sectionLine < lines.size()) {
        tailLine = ReadVariableSection(lines, sectionLine + 1, records, messages);
    } else {
        messages.push_back(std::string(kRoutine) + " 11 no [Variable Listing] in " + name);
    }

    const DeviceCoreReader readCore = [&](const std::string& deviceName) {
        const std::string path = DeviceFilePath(session.settings, deviceName);
        const FileProblem problem = ProblemOfFile(seams.os, path);
        if (problem != FileProblem::None)
            messages.push_back(std::string(kRoutine) + " 14 " +
                               FileProblemText("device file", path, problem) +
                               " - the device's core and code size are not known");
        return ReadDeviceCore(seams.os, path);
    };
    bool endLabelSeen = false;
    const LcdPins lcd =
        ReadListingTail(lines, tailLine, records, session.device, session.project.romReference,
                        readCore, messages, &endLabelSeen);
    // A listing cut short lacks its end and with it the ROM reference that the
    // 16-bit core's ROM check compares; that check is skipped (see the load's end).
    const RomReference& rom = session.project.romReference;
    if (session.device.Core == 16 && !endLabelSeen) {
        messages.push_back(std::string(kRoutine) + " 12 " + name +
                           " ends before its end label __EOF: the listing is incomplete, "
                           "recompile to write it again; the ROM check is skipped");
    } else if (session.device.Core == 16 && rom.wordCount == 0) {
        messages.push_back(std::string(kRoutine) + " 13 " + name +
                           " has no program word before its end label __EOF: the ROM check "
                           "is skipped");
    }
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        session.records = std::move(records);
    }

    for (const std::string& message : messages) seams.prompts.Inform(message);
    if (session.device.ListingDeviceName.empty()) {
        seams.prompts.Inform(std::string(kRoutine) + " 7 LstDevice fail ");
    }
    ApplyLcdPinNames(lcd, session.device);
    return true;
}

}  // namespace varnolux
