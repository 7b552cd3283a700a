#include "seams/posix/posix_host_os.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "seams/calendar.h"
#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

// A fresh folder under /tmp, entered for the test and removed afterwards.
class PosixHostOsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/varnolux-hostos-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        root_ = tmpl;
        char cwd[4096];
        ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
        oldCwd_ = cwd;
        ASSERT_EQ(::chdir(root_.c_str()), 0);
        const char* tz = std::getenv("TZ");
        hadTz_ = tz != nullptr;
        if (tz) oldTz_ = tz;
    }
    void TearDown() override {
        if (!oldCwd_.empty()) {
            EXPECT_EQ(::chdir(oldCwd_.c_str()), 0);
        }
        if (hadTz_) {
            ::setenv("TZ", oldTz_.c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
        if (!root_.empty()) {
            EXPECT_EQ(std::system(("rm -rf '" + root_ + "'").c_str()), 0);
        }
    }
    void Make(const std::string& rel, const std::string& data = "") {
        std::ofstream(root_ + "/" + rel, std::ios::binary) << data;
    }
    void Folder(const std::string& rel) {
        ASSERT_EQ(::mkdir((root_ + "/" + rel).c_str(), 0755), 0);
    }
    static void PinTz(const char* tz) {
        ::setenv("TZ", tz, 1);
        ::tzset();
    }

    std::string root_, oldCwd_, oldTz_;
    bool hadTz_ = false;
    PosixHostOs os_;
};

TEST_F(PosixHostOsTest, RelativeWindowsPathFindsFilesInAnyCase) {
    Folder("Ppi");
    Make("Ppi/p18f25k22.ppi", "[Device]");
    Make("Main.bas", "dim x as byte");
    EXPECT_EQ(ResolvePath("PPI\\P18F25K22.PPI"), "Ppi/p18f25k22.ppi");
    EXPECT_TRUE(os_.FileExists("PPI\\P18F25K22.PPI"));
    EXPECT_EQ(os_.ReadFile("MAIN.BAS").value_or("?"), "dim x as byte");
    EXPECT_EQ(os_.ReadFile(".\\main.BAS").value_or("?"), "dim x as byte");
    EXPECT_FALSE(os_.FileExists("PPI\\P18F26K22.PPI"));
    EXPECT_FALSE(os_.ReadFile("nothere.bas").has_value());
}

TEST_F(PosixHostOsTest, ExactNameWinsOverCaseVariant) {
    Make("Demo.lst", "upper");
    Make("demo.lst", "lower");
    EXPECT_EQ(os_.ReadFile("demo.lst").value_or("?"), "lower");
    EXPECT_EQ(os_.ReadFile("Demo.lst").value_or("?"), "upper");
    // Neither matches exactly: the first in byte order, every time.
    EXPECT_EQ(ResolvePath("DEMO.LST"), "Demo.lst");
}

TEST_F(PosixHostOsTest, DrivePathResolvesFromTheRootCaseInsensitively) {
    Folder("Proj");
    Make("Proj/MAIN.BAS", "main");
    std::string winPath = "C:" + root_ + "\\proj\\main.bas";
    for (char& c : winPath)
        if (c == '/') c = '\\';
    EXPECT_EQ(ResolvePath(winPath), root_ + "/Proj/MAIN.BAS");
    EXPECT_EQ(os_.ReadFile(winPath).value_or("?"), "main");
}

TEST_F(PosixHostOsTest, MissingComponentsKeepTheGivenNameSoWritesCreateIt) {
    Folder("Out");
    EXPECT_EQ(ResolvePath("OUT\\New.ini"), "Out/New.ini");
    EXPECT_TRUE(os_.WriteFile("OUT\\New.ini", "[A]\r\nB=1\r\n"));
    EXPECT_EQ(os_.ReadFile("out/new.INI").value_or("?"), "[A]\r\nB=1\r\n");
    EXPECT_FALSE(os_.WriteFile("nofolder\\x.ini", "x"));
}

TEST_F(PosixHostOsTest, WriteReplacesContentsAndKeepsPermissions) {
    Make("Varnolux.ini", "old contents that are longer");
    ASSERT_EQ(::chmod((root_ + "/Varnolux.ini").c_str(), 0640), 0);
    EXPECT_TRUE(os_.WriteFile("VARNOLUX.INI", "new"));
    EXPECT_EQ(os_.ReadFile("Varnolux.ini").value_or("?"), "new");
    struct stat st;
    ASSERT_EQ(::stat((root_ + "/Varnolux.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_TRUE(os_.AppendFile("varnolux.ini", "+more"));
    EXPECT_EQ(os_.ReadFile("Varnolux.ini").value_or("?"), "new+more");
    EXPECT_EQ(os_.ListDirectory(".").size(), 1u);  // no temporary left behind
}

TEST_F(PosixHostOsTest, ReadOnlyFileIsNotOverwritten) {
    Make("locked.ini", "keep");
    ASSERT_EQ(::chmod((root_ + "/locked.ini").c_str(), 0444), 0);
    EXPECT_FALSE(os_.WriteFile("locked.ini", "lost"));
    EXPECT_EQ(os_.ReadFile("locked.ini").value_or("?"), "keep");
}

TEST_F(PosixHostOsTest, ListingGivesNamesKindsAndTimes) {
    Folder("PPI");
    Make("b.bas", "1");
    Make("a.lst", "2");
    struct timespec times[2] = {{0, 0}, {1700000000, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (root_ + "/a.lst").c_str(), times, 0), 0);
    const auto list = os_.ListDirectory(root_);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].name, "PPI");
    EXPECT_TRUE(list[0].isDirectory);
    EXPECT_EQ(list[1].name, "a.lst");
    EXPECT_FALSE(list[1].isDirectory);
    EXPECT_EQ(list[1].lastWrite, FileTimeFromUnix(1700000000) + 1234567u);
    EXPECT_EQ(list[2].name, "b.bas");
    EXPECT_FALSE(os_.FileExists("ppi"));  // a folder is not a file
}

TEST_F(PosixHostOsTest, LastWriteTimeIsWindowsFileTime) {
    Make("x.hex");
    struct timespec times[2] = {{0, 0}, {0, 0}};  // 1970-01-01 00:00:00 UTC
    ASSERT_EQ(::utimensat(AT_FDCWD, (root_ + "/x.hex").c_str(), times, 0), 0);
    EXPECT_EQ(os_.LastWriteTime("X.HEX"), 116444736000000000ULL);
    EXPECT_FALSE(os_.LastWriteTime("y.hex").has_value());
}

TEST_F(PosixHostOsTest, LocalTimeFollowsTz) {
    const FileTime t = FileTimeFromUnix(UnixFromLocalTime(LocalTime{2026, 3, 4, 22, 30, 5}));
    PinTz("UTC0");
    EXPECT_EQ(os_.DateTimeText(t), "04.03.2026  22:30:05");
    PinTz("CET-1");
    EXPECT_EQ(os_.DateTimeText(t), "04.03.2026  23:30:05");
    const LocalTime lt = os_.ToLocalTime(t);
    EXPECT_EQ(lt.day, 4);
    EXPECT_EQ(lt.hour, 23);
    PinTz("EST5");  // across midnight and the month end backwards
    const FileTime early = FileTimeFromUnix(UnixFromLocalTime(LocalTime{2026, 3, 1, 2, 0, 0}));
    EXPECT_EQ(os_.DateTimeText(early), "28.02.2026  21:00:00");
}

TEST_F(PosixHostOsTest, ProgramFolderIsTheTestBinarysFolder) {
    const std::string folder = os_.ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder.front(), '/');
    struct stat st;
    EXPECT_EQ(::stat((folder + "test_seams").c_str(), &st), 0);
}

TEST_F(PosixHostOsTest, ClipboardKeepsTheText) {
    os_.SetClipboardText("x = 12");
    EXPECT_EQ(os_.ClipboardText(), "x = 12");
}

}  // namespace
}  // namespace varnolux
