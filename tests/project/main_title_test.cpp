#include "project/load/main_title.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

std::string ProjectTitle(int displayFullPath, const std::string& folder, const std::string& name) {
    Settings settings;
    settings.DisplayFullPath = displayFullPath;
    return LoadedTitle(settings, folder, name);
}

TEST(MainTitle, StartupTitleHasThreeBlanksBeforeTheVersion) {
    EXPECT_EQ(StartupTitle(), "Varnolux   Ver 1.1");
}

TEST(MainTitle, ProjectNameFollowsAfterThreeBlanks) {
    EXPECT_EQ(ProjectTitle(0, "C:\\Proj\\", "MAIN.bas"), "Varnolux   Ver 1.1   MAIN.bas");
}

TEST(MainTitle, FullPathReplacesTheWholeTitle) {
    EXPECT_EQ(ProjectTitle(1, "C:\\Proj\\", "MAIN.bas"), "C:\\Proj\\MAIN.bas");
}

TEST(MainTitle, LongTitlesAreCutTo61Characters) {
    const std::string folder = "C:\\Users\\Somebody\\Documents\\Firmware\\Projects\\Weather\\";
    const std::string title = ProjectTitle(1, folder, "STATION_MAIN_LOOP.bas");
    EXPECT_EQ(title.size(), 61u);
    EXPECT_EQ(title, (folder + "STATION_MAIN_LOOP.bas").substr(0, 61));
    EXPECT_EQ(ProjectTitle(0, "", std::string(80, 'x')).size(), 61u);
    EXPECT_EQ(CutTitle(std::string(61, 'a')), std::string(61, 'a'));
}

// A folder named in UTF-8 (温度 is three bytes a character) is cut before a
// character the limit would split, so the title stays readable text.
TEST(MainTitle, CutNeverSplitsAUtf8Character) {
    const std::string cjk = "\xE6\xB8\xA9\xE5\xBA\xA6";
    for (size_t pad = 55; pad <= 60; ++pad) {
        const std::string title = CutTitle(std::string(pad, 'a') + cjk + "\\Thermo");
        SCOPED_TRACE(pad);
        EXPECT_LE(title.size(), 61u);
        EXPECT_EQ(title.substr(0, pad), std::string(pad, 'a'));
        const std::string rest = title.substr(pad);
        EXPECT_TRUE(rest.empty() || rest == cjk.substr(0, 3) || rest == cjk ||
                    rest.rfind(cjk, 0) == 0)
            << rest.size();
    }
}

}  // namespace
}  // namespace varnolux
