#include "seams/views.h"

#include <gtest/gtest.h>

#include "seams/main_ids.h"

namespace varnolux {
namespace {

// The View and About commands of the main window's menu and of the Watch
// window's menu open the same windows; every other command opens none.
TEST(ViewOfCommand, MenuCommandsOpenTheirWindows) {
    const struct {
        int command;
        std::optional<ViewKind> view;
    } cases[] = {
        {ids::kCmdViewWatch, ViewKind::Watch},
        {ids::kCmdViewSource, ViewKind::Source},
        {28060, ViewKind::Source},
        {ids::kCmdViewPort, ViewKind::Port},
        {28059, ViewKind::Port},
        {ids::kCmdViewEeprom, ViewKind::Eeprom},
        {ids::kCmdViewSfr, ViewKind::Sfr},
        {ids::kCmdViewPinout, ViewKind::Pinout},
        {28070, ViewKind::Plot},
        {28090, ViewKind::StopRules},
        {ids::kCmdAbout, ViewKind::About},
        {28004, ViewKind::About},
        {ids::kCmdHelp, std::nullopt},
        {ids::kCmdDataSheet, std::nullopt},
        {ids::kContinueButton, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ViewOfCommand(c.command), c.view) << c.command;
}

}  // namespace
}  // namespace varnolux
