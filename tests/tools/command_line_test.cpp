#include "tools/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_host_os.h"
#include "tool_fixture.h"
#include "tools/documents.h"
#include "tools/explorer.h"
#include "tools/ide.h"
#include "tools/programs.h"

namespace varnolux {
namespace {

// Splits a command line as Windows programs do (the C runtime's rules): blanks
// separate arguments outside quotes; 2n backslashes and a quote give n
// backslashes and toggle quoting; 2n+1 give n and a literal quote.
std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false, any = false;
    for (size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c == '\\') {
            size_t n = 0;
            while (i < line.size() && line[i] == '\\') ++n, ++i;
            if (i < line.size() && line[i] == '"') {
                current.append(n / 2, '\\');
                if (n % 2 == 1) {
                    current += '"';
                    ++i;
                }
            } else {
                current.append(n, '\\');
            }
            any = true;
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) args.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
        ++i;
    }
    if (any) args.push_back(current);
    return args;
}

const std::vector<std::string> kHostileNames = {
    "C:\\Program Files\\Tool\\tool.exe",
    "C:\\Proj\\",
    "C:\\a b\\\\",
    "x\" & calc.exe & \"",
    "name with \"quotes\" inside",
    "tab\there",
    "C:\\dir\\\"quoted\\\\\"",
    "%PATH% & del *.* \\",
    "",
};

TEST(QuotedArgument, EveryNameStaysOneArgument) {
    for (const std::string& name : kHostileNames) {
        const std::string line = QuotedArgument("C:\\prog.exe") + " " + QuotedArgument(name) + " " +
                                 QuotedArgument("last");
        EXPECT_EQ(SplitCommandLine(line), (std::vector<std::string>{"C:\\prog.exe", name, "last"}))
            << line;
    }
}

TEST(IsPlainFileName, RefusesFoldersDevicesAndLineBreaks) {
    for (const char* good : {"main.mci", "Thermo.mci", "a b.mci", "CON1.mci", "COMX.mci", "x..mci"})
        EXPECT_TRUE(IsPlainFileName(good)) << good;
    for (const char* bad : {"",
                            ".",
                            "..",
                            "..\\x.mci",
                            "../x.mci",
                            "C:x.mci",
                            "C:\\x.mci",
                            "\\\\srv\\s\\x.mci",
                            "CON.mci",
                            "con",
                            "NUL.mci",
                            "com1.mci",
                            "LPT9.mci",
                            "AUX",
                            "a\r[Project].mci",
                            "a\nb.mci",
                            "a\"b.mci",
                            "a|b.mci",
                            "a*.mci",
                            "a?.mci",
                            "a<b>.mci"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

struct HostileLaunchTest : ToolFixture, ::testing::Test {};

// Names from settings, link files and listings reach launched programs as
// single arguments.
TEST_F(HostileLaunchTest, EveryLaunchedNameIsOneArgument) {
    Settings& s = session.settings;
    for (const std::string& path : {s.BitCalc, s.Logic, s.Xplorer, s.Proton, s.PDFReader})
        Install(path);
    session.project.programFolder = "C:\\My Projects\\a&b \"x\"\\";
    session.project.sourceFiles = {"C:\\My Projects\\a&b\\main & calc.bas"};
    os.PutFile(session.project.sourceFiles[0], "dump 1");
    ShowIde(session, seams);
    ShowExplorer(session, seams);
    ShowBitCalc(session, seams);
    ShowLogic(session, seams);
    const std::string document = "C:\\PIC PDFs\\data \" & calc.pdf";
    os.PutFile(document, "%PDF");
    OpenPdf(session, seams, document);

    ASSERT_EQ(launcher.started.size(), 5u);
    EXPECT_EQ(SplitCommandLine(launcher.started[0].commandLine),
              (std::vector<std::string>{s.Proton, session.project.sourceFiles[0]}));
    EXPECT_EQ(SplitCommandLine(launcher.started[1].commandLine),
              (std::vector<std::string>{s.Xplorer, "/M", session.project.programFolder}));
    EXPECT_EQ(SplitCommandLine(launcher.started[2].commandLine),
              std::vector<std::string>{s.BitCalc});
    EXPECT_EQ(SplitCommandLine(launcher.started[3].commandLine), std::vector<std::string>{s.Logic});
    EXPECT_EQ(SplitCommandLine(launcher.started[4].commandLine),
              (std::vector<std::string>{s.PDFReader, document}));
}

// Source names in a listing never make the IDE command write anywhere but a
// plain file in the project's (working) folder, nor add lines to that file.
TEST_F(HostileLaunchTest, IdeProjectFileStaysInTheProjectFolder) {
    const std::vector<std::string> listed = {
        "..\\..\\x.bas",
        "C:\\Windows\\System32\\evil.bas",
        "/etc/cron.d/x.bas",
        "\\\\server\\share\\x.bas",
        "COM1.bas",
        "nul.bas",
        "dir\\",
        "x.bas\r\n[Project]\r\nFilename=C:\\evil",
        "..",
        "a\"b.bas",
    };
    for (const std::string& name : listed) {
        RecordingHostOs host;
        Seams hostSeams{host, prompts, view, launcher, views};
        host.PutFile(session.settings.Proton, "MZ");
        session.project.sourceFiles = {name};
        ShowIde(session, hostSeams);
        for (const std::string& path : host.written) {
            EXPECT_TRUE(IsPlainFileName(path)) << name << " wrote " << path;
            const std::string text = host.ReadFile(path).value_or("");
            EXPECT_EQ(text.find("\r\n[Project]\r\nFilename=C:\\evil"), std::string::npos) << name;
        }
    }
}

}  // namespace
}  // namespace varnolux
