#pragma once
// A loaded project whose files, device and target agree, for the consistency
// checks; each test spoils one thing.
#include <gtest/gtest.h>

#include "seams/calendar.h"
#include "state/session.h"
#include "support/memory_session_rig.h"

namespace varnolux::testing {

inline const std::string kSettings = "C:\\Varnolux\\Varnolux.ini";

// A file time from a UTC calendar time.
inline FileTime Utc(int year, int month, int day, int hour, int minute, int second) {
    return FileTimeFromUnix(UnixFromLocalTime(LocalTime{year, month, day, hour, minute, second}));
}

constexpr int64_t kSecond = 10000000;

// Stamps `id` with a HexTag of the given local time (BCD bytes) and version 3.7.5.1.
inline void StampHexTag(TargetIdentity& id, uint8_t day, uint8_t month, uint8_t year, uint8_t hour,
                        uint8_t minute, int32_t second = 0) {
    id.HexTagValid = 1;
    id.HexTagDay = day;
    id.HexTagMonth = month;
    id.HexTagYear = year;
    id.HexTagHour = hour;
    id.HexTagMinute = minute;
    id.HexTagSecond = second;
    id.HexTagVersion1 = 0x37;
    id.HexTagVersion2 = 0x51;
}

class ConsistencyFixture : public ::testing::Test, protected MemorySessionRig<> {
  protected:
    ConsistencyFixture() {
        os.utcOffsetMinutes = 60;  // local time is UTC + 1 hour
        os.shortDatePattern = "dd.MM.yyyy";
        os.PutFile(kSettings, "[Device Signature]\r\n18F25K22=5540\r\n");
        os.PutFile(session.settings.Proton, "exe");
        session.project.settingsPath = kSettings;
        session.project.programFolder = "C:\\Varnolux\\";
        session.project.mainSourceName = "MAIN.bas";
        session.project.listingName = "MAIN.lst";
        session.project.objectName = "MAIN.hex";
        session.project.sourceFiles = {"MAIN.bas", "INC.bas"};
        session.project.sourceTime = Utc(2026, 12, 7, 10, 0, 0);
        session.project.listingTime = Utc(2026, 12, 7, 10, 0, 20);
        session.project.objectTime = Utc(2026, 12, 7, 10, 0, 21);
        session.project.romReference = RomReference{0x7FF8, 0xEF12, -1, 1};
        session.device.SourceDeviceName = "18F25K22";
        session.device.ListingDeviceName = "18F25K22";
        session.device.Core = 16;
        session.identity.DeviceIdWord = 0x5540;
        session.identity.RomCheckResult = 1;
        session.identity.HexTagValid = 0;
    }

    void AnswerNo(int count) {
        for (int i = 0; i < count; ++i) prompts.Script(PromptAnswer::No);
    }
};

}  // namespace varnolux::testing
