#include "app/recording_texts.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

TEST(RecordingTexts, TheDefaultNameCarriesTheProjectAndTheTime) {
    EXPECT_EQ(DefaultRecordingName("WEATHER", {2026, 12, 7, 9, 5, 3}),
              "WEATHER-20261207-090503.pcapng");
    EXPECT_EQ(DefaultRecordingName("My Project", {2027, 1, 31, 23, 59, 59}),
              "My Project-20270131-235959.pcapng");
}

TEST(RecordingTexts, TheStatusBarNamesTheFileWithoutItsFolder) {
    const struct {
        const char* path;
        const char* text;
    } cases[] = {
        {"C:\\bench\\WEATHER-20261207-090503.pcapng", "Recording WEATHER-20261207-090503.pcapng"},
        {"/tmp/runs/a.pcapng", "Recording a.pcapng"},
        {"C:/mixed\\b.pcapng", "Recording b.pcapng"},
        {"plain.pcapng", "Recording plain.pcapng"},
    };
    for (const auto& c : cases) EXPECT_EQ(RecordingStatusText(c.path), c.text) << c.path;
}

TEST(RecordingTexts, AFileThatCannotBeReplayedGetsOneClearReason) {
    RecordingContents weather;
    weather.facts.baseName = "WEATHER";
    const struct {
        RecordingContents contents;
        bool listingFound;
        std::string reason;
    } cases[] = {
        {ParseRecording(""), true, "run.pcapng is empty: it holds no recording"},
        {ParseRecording("not a capture at all"), true,
         "run.pcapng is not a Varnolux session recording"},
        {weather, false,
         "run.pcapng is a recording of the project \"WEATHER\", whose listing WEATHER.lst is "
         "not in C:\\bench\\"},
        {weather, true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplayRefusal("run.pcapng", c.contents, c.listingFound, "C:\\bench\\"), c.reason);
}

}  // namespace
}  // namespace varnolux
