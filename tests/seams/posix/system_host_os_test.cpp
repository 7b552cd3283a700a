#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "seams/posix/posix_host_os.h"

namespace varnolux {
namespace {

TEST(IsRelativePath, NeitherRootedNorOnADrive) {
    const std::pair<std::string, bool> cases[] = {
        {"Main.bas", true}, {"PPI\\P18F25K22.PPI", true}, {"..\\x.bas", true}, {"\\Proj\\x", false},
        {"/etc/x", false},  {"C:\\Proj", false},          {"C:x", false},      {"", false},
    };
    for (const auto& [path, relative] : cases) EXPECT_EQ(IsRelativePath(path), relative) << path;
}

// Once anchored, a relative name keeps naming the file of the folder that was
// current then, wherever the current folder goes.
TEST(SystemHostOs, AnchoredRelativePathsStayInTheirFolder) {
    char tmpl[] = "/tmp/varnolux-anchor-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const std::string root = tmpl;
    std::ofstream(root + "/Main.bas") << "x";
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(::chdir(root.c_str()), 0);
    PosixHostOs os;
    os.AnchorRelativePaths();
    ASSERT_EQ(::chdir("/"), 0);
    EXPECT_TRUE(os.FileExists("MAIN.BAS"));
    EXPECT_EQ(os.ReadFile("Main.bas").value_or(""), "x");
    EXPECT_TRUE(os.WriteFile("Out.txt", "y"));
    EXPECT_EQ(os.ReadFile(root + "/Out.txt").value_or(""), "y");
    EXPECT_FALSE(PosixHostOs().FileExists("Main.bas"));
    EXPECT_EQ(::chdir(cwd), 0);
    EXPECT_EQ(std::system(("rm -rf '" + root + "'").c_str()), 0);
}

}  // namespace
}  // namespace varnolux
