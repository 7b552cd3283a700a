#include "app/main_initialisation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_launcher.h"
#include "seams/memory/memory_main_window_view.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_views.h"

namespace varnolux {
namespace {

// Records what start-up does to the window, in order.
class RecordingShell : public MainWindowShell {
  public:
    explicit RecordingShell(std::vector<std::string>& log) : log_(log) {}
    Rect WorkArea() const override { return Rect{0, 0, 1280, 994}; }
    void PlaceHidden(const Rect& normal) override {
        placed = normal;
        log_.push_back("place");
    }
    void SetTopmost(bool on) override {
        topmost = on;
        log_.push_back("topmost");
    }
    void SetListFont(const std::string& face, int32_t points) override {
        fontFace = face;
        fontPoints = points;
        log_.push_back("font");
    }
    void AddTopMostItem(const std::string& text) override {
        topMostItem = text;
        log_.push_back("item");
    }

    Rect placed;
    bool topmost = false;
    std::string fontFace, topMostItem;
    int32_t fontPoints = 0;

  private:
    std::vector<std::string>& log_;
};

struct InitFixture : ::testing::Test {
    InitFixture() : seams{os, prompts, view, launcher, views}, shell(log) {
        os.programFolder = "C:\\Bench\\Tools\\";
    }
    bool Run(const LoadSequence& load = LoadSequence()) {
        return RunMainInitialisation(session, seams, shell, load);
    }

    Session session;
    MemoryHostOs os;
    MemoryPrompts prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    MemoryViews views;
    Seams seams;
    std::vector<std::string> log;
    RecordingShell shell;
};

TEST_F(InitFixture, WithoutASettingsFileTheDefaultsApply) {
    EXPECT_TRUE(Run());
    EXPECT_EQ(session.project.settingsPath, "C:\\Bench\\Tools\\Varnolux.ini");
    EXPECT_EQ(shell.fontFace, "Tahome");
    EXPECT_EQ(shell.fontPoints, 8);
    EXPECT_EQ(shell.topMostItem, "&Make TopMost");
    EXPECT_FALSE(shell.topmost);
    EXPECT_EQ(view.Title(), "Varnolux   Ver 1.1");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(InitFixture, SettingsBesideTheProgramShapeTheWindow) {
    os.PutFile("C:\\Bench\\Tools\\Varnolux.ini",
               "[Window Placement]\r\nLeft=-100\r\nRight=430\r\nTop=50\r\nBottom=464\r\n"
               "[Preferences]\r\nFontSize=11\r\nPropFont=Arial\r\nAlwaysOnTop=1\r\n");
    Run();
    EXPECT_EQ(shell.placed, (Rect{0, 50, 530, 464})) << "moved back into the work area";
    EXPECT_TRUE(shell.topmost);
    EXPECT_EQ(shell.fontFace, "Arial");
    EXPECT_EQ(shell.fontPoints, 11);
    EXPECT_EQ(shell.topMostItem, "&Undo TopMost");
}

TEST_F(InitFixture, ProjectControlsStartDisabled) {
    Run();
    for (int id : {101, 104, 105, 106, 120, 113, 119}) EXPECT_FALSE(view.IsEnabled(id)) << id;
    EXPECT_TRUE(view.IsEnabled(107)) << "the project chooser stays usable";
    EXPECT_TRUE(view.IsEnabled(109));
}

TEST_F(InitFixture, StatusPartsZeroTwoAndThreeAreCleared) {
    view.SetStatusText(0, "x");
    view.SetStatusText(1, "kept");
    view.SetStatusText(2, "y");
    view.SetStatusText(3, "z");
    Run();
    EXPECT_EQ(view.StatusText(0), "");
    EXPECT_EQ(view.StatusText(1), "kept");
    EXPECT_EQ(view.StatusText(2), "");
    EXPECT_EQ(view.StatusText(3), "");
}

TEST_F(InitFixture, StateIsResetBeforeAnythingElse) {
    session.run.SaveOnExit = 0;
    session.run.RepeatDumpId = 7;
    session.run.NoDumpYet = 0;
    session.run.SfrAvailable = 0;
    Run();
    EXPECT_EQ(session.run.SaveOnExit, 1);
    EXPECT_EQ(session.run.RepeatDumpId, -1);
    EXPECT_EQ(session.run.UntilDumpId, -1);
    EXPECT_EQ(session.run.NoDumpYet, 1);
    EXPECT_EQ(session.run.SfrAvailable, 1);
    EXPECT_EQ(session.run.FirstDumpPending, 1);
}

TEST_F(InitFixture, LoadSequenceRunsLastWithTheSettingsRead) {
    os.PutFile("C:\\Bench\\Tools\\Varnolux.ini", "[Comms]\r\nPort=4\r\n");
    int portSeen = 0;
    std::string titleSeen;
    EXPECT_TRUE(Run([&](Session& s, Seams& m) {
        portSeen = s.settings.Port;
        titleSeen = m.view.Title();
        log.push_back("load");
        return true;
    }));
    EXPECT_EQ(portSeen, 4);
    EXPECT_EQ(titleSeen, "Varnolux   Ver 1.1");
    EXPECT_EQ(log, (std::vector<std::string>{"place", "topmost", "font", "item", "load"}));
}

TEST_F(InitFixture, FailingLoadSequenceEndsStartUp) {
    EXPECT_FALSE(Run([](Session&, Seams&) { return false; }));
    EXPECT_EQ(session.run.SaveOnExit, 1) << "the close sequence still saves";
}

}  // namespace
}  // namespace varnolux
