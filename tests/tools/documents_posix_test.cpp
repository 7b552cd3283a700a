#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "seams/memory/memory_views.h"
#include "seams/posix/posix_host_os.h"
#include "tool_fixture.h"
#include "tools/documents.h"

namespace varnolux {
namespace {

// The settings hold Windows paths; on Linux the host finds the files they name,
// whatever case the names on disk have.
TEST(DocumentsOnLinux, WindowsPathsInSettingsReachFilesOnDisk) {
    char pattern[] = "/tmp/varnolux_docs_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    std::ofstream(folder + "/18f26k42.LINK") << "(PDFPATH)PIC18F26K42.PDF\r\n";
    std::ofstream(folder + "/PIC18F26K42.pdf") << "%PDF";

    ToolFixture f;
    PosixHostOs host;
    MemoryViews views;
    Seams seams{host, f.prompts, f.view, f.launcher, views};
    std::string windowsFolder = "C:" + folder;
    std::replace(windowsFolder.begin(), windowsFolder.end(), '/', '\\');
    f.session.settings.PDF = windowsFolder;
    OpenDataSheet(f.session, seams);

    EXPECT_TRUE(f.prompts.shown.empty());
    ASSERT_EQ(f.launcher.started.size(), 1u);
    EXPECT_EQ(f.launcher.started[0].commandLine, "\"" + f.session.settings.PDFReader + "\" \"" +
                                                     windowsFolder + "\\pic18f26k42.pdf\"");

    std::remove((folder + "/18f26k42.LINK").c_str());
    std::remove((folder + "/PIC18F26K42.pdf").c_str());
    ::rmdir(folder.c_str());
}

}  // namespace
}  // namespace varnolux
