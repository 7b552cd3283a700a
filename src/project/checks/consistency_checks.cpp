#include "project/checks/consistency_checks.h"

#include <cstdio>

#include "project/checks/file_time_checks.h"
#include "project/checks/hex_tag.h"
#include "project/checks/recompile_prompt.h"
#include "project/device/signature.h"
#include "seams/ini_file.h"
#include "seams/main_ids.h"
#include "text/text_util.h"

namespace varnolux {

namespace {

const char kRomCheckSkipped[] = "   ROM check skipped: no ROM reference in the listing";

std::string SignedText(int32_t value) {
    return (value >= 0 ? " " : "") + std::to_string(value);
}

// Each step returns false once the user chose to end the program.
bool Ask(Session& session, Seams& seams, const std::string& text) {
    return RecompilePrompt(session, seams, text) == RecompileAnswer::Continue;
}

bool CheckDeviceNames(Session& session, Seams& seams) {
    const std::string source = TrimTrailingBlanks(session.device.SourceDeviceName);
    const std::string listing = TrimTrailingBlanks(session.device.ListingDeviceName);
    if (source == listing) return true;
    const std::string text = "Device err - BAS=" + source + "  LST=" + listing;
    if (!Ask(session, seams, text)) return false;
    if (source.size() != listing.size()) return Ask(session, seams, text);
    return true;
}

bool CheckDeviceAndRom(Session& session, Seams& seams, uint16_t sig) {
    const TargetIdentity& id = session.identity;
    if (session.device.Core == 16) {
        if (id.DeviceIdWord != sig &&
            !Ask(session, seams,
                 "Physical device and DEVICE in source is different  Derived=" + SignedText(sig) +
                     "  Physical=" + SignedText(id.DeviceIdWord))) {
            return false;
        }
        // No ROM reference (a listing cut short): the check was not asked for.
        if (session.project.romReference.wordCount == 0) {
            seams.view.SetStatusText(1, seams.view.StatusText(1) + kRomCheckSkipped);
        } else if (id.RomCheckResult == 0 &&
                   !Ask(session, seams,
                        "ROM content and source appear to be inconsistent\r\nExpected  " +
                            ExpectedRomText(session.project.romReference))) {
            return false;
        }
    } else if (session.device.Core == 14) {
        if (id.HexTagValid && id.DeviceIdWord != sig &&
            !Ask(session, seams, "Physical device and DEVICE in source is different")) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ExpectedRomText(const RomReference& rom) {
    char text[64] = "";
    const unsigned first = static_cast<unsigned>(rom.firstWord) & 0xFFFF;
    const unsigned second = static_cast<unsigned>(rom.secondWord) & 0xFFFF;
    const unsigned address = static_cast<unsigned>(rom.address);
    if (rom.wordCount == 1) {
        std::snprintf(text, sizeof text, "%04X  @ %04X", first, address);
    } else if (rom.wordCount == 2) {
        std::snprintf(text, sizeof text, "%04X %04X  @ %X", first, second, address);
    }
    return text;
}

void CheckProject(Session& session, Seams& seams) {
    if (!CheckDeviceNames(session, seams)) return;

    const std::string device = TrimTrailingBlanks(session.device.ListingDeviceName);
    const uint16_t sig = ExpectedSignature(seams.os, session.project.settingsPath,
                                           session.settings.PicKitDat, device);
    if (!CheckDeviceAndRom(session, seams, sig)) return;

    TargetIdentity& id = session.identity;
    const int32_t reportedSecond = id.HexTagSecond;
    if (id.HexTagValid) --id.HexTagSecond;
    seams.view.SetControlText(ids::kTagLabel, HexTagText(id));

    ProjectTimes t;
    t.source = session.project.sourceTime;
    t.listing = session.project.listingTime;
    t.object = session.project.objectTime;
    t.hexTag = id.HexTagValid != 0;
    t.tag = TagTime(id, reportedSecond, session.settings.ProgTimeSec, t.object, seams.os);

    const int reason = OrderReason(t);
    if (reason != 0) {
        RecompilePrompt(session, seams, OrderMessage(t, reason, seams.os));
        return;
    }
    const int32_t maxTimeDiff = session.settings.MaxTimeDiff;
    const int code = SpacingCode(t, maxTimeDiff);
    if (code != 0) RecompilePrompt(session, seams, SpacingMessage(t, code, maxTimeDiff, seams.os));
}

}  // namespace varnolux
