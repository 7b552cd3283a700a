// The About window is modal over the main window: the owner takes no input
// while it shows and takes it again before the window goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/about/about_box.h"

namespace varnolux {
namespace {

struct RecordingFrame : AboutFrame {
    void Show() override {
        calls.push_back("show");
        shown = true;
    }
    void EnableOwner(bool enabled) override {
        calls.push_back(enabled ? "enable owner" : "disable owner");
        ownerEnabled = enabled;
    }
    void Destroy() override {
        calls.push_back("destroy");
        shown = false;
    }
    std::vector<std::string> calls;
    bool shown = false;
    bool ownerEnabled = true;
};

TEST(AboutBox, DisablesItsOwnerWhileShownAndEnablesItBeforeItGoes) {
    RecordingFrame frame;
    OpenAbout(frame);
    EXPECT_TRUE(frame.shown);
    EXPECT_FALSE(frame.ownerEnabled) << "the main window accepts no input";
    CloseAbout(frame);
    EXPECT_FALSE(frame.shown);
    EXPECT_TRUE(frame.ownerEnabled);
    EXPECT_EQ(frame.calls,
              (std::vector<std::string>{"show", "disable owner", "enable owner", "destroy"}));
}

TEST(AboutBox, TitleNamesTheVersion) {
    EXPECT_EQ(AboutTitle(), "Varnolux   Ver 1.1");
    EXPECT_EQ(std::string(kVersionText), "1.1");
}

}  // namespace
}  // namespace varnolux
