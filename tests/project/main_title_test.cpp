#include "project/main_title.h"

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

}  // namespace
}  // namespace varnolux
