#include "seams/memory/memory_host_os.h"

#include <gtest/gtest.h>

#include "seams/calendar.h"

namespace varnolux {
namespace {

TEST(MemoryHostOs, PathsMatchCaseInsensitivelyWithEitherSeparator) {
    MemoryHostOs os;
    os.PutFile("C:\\Proj\\MAIN.BAS", "x", 5);
    EXPECT_TRUE(os.FileExists("c:/proj/main.bas"));
    EXPECT_EQ(os.LastWriteTime("C:\\PROJ\\Main.bas"), 5u);
    auto listing = os.ListDirectory("C:\\Proj");
    ASSERT_EQ(listing.size(), 1u);
    EXPECT_EQ(listing[0].name, "MAIN.BAS");
}

TEST(MemoryHostOs, DateTimeTextUsesShortDatePatternAndOffset) {
    MemoryHostOs os;
    os.utcOffsetMinutes = 60;
    // 2026-03-04 22:30:05 UTC
    const LocalTime utc{2026, 3, 4, 22, 30, 5};
    const FileTime t = FileTimeFromUnix(UnixFromLocalTime(utc));
    EXPECT_EQ(os.DateTimeText(t), "04.03.2026  23:30:05");
    os.shortDatePattern = "d/M/yy";
    EXPECT_EQ(os.DateTimeText(t), "4/3/26  23:30:05");
}

TEST(MemoryHostOs, ReadOnlyFileRefusesWrite) {
    MemoryHostOs os;
    os.PutFile("a.ini", "keep");
    os.SetReadOnly("a.ini", true);
    EXPECT_FALSE(os.WriteFile("a.ini", "new"));
    EXPECT_EQ(*os.ReadFile("a.ini"), "keep");
}

}  // namespace
}  // namespace varnolux
