#include "app/main_controls.h"

#include "seams/main_ids.h"

namespace varnolux {

namespace {
// The list fills the window; the labels, choosers and buttons below it keep
// their distance to the bottom edge, so they stay above the status bar.
constexpr uint32_t kFill = kAnchorAll;
constexpr uint32_t kBottom = kAnchorLeft | kAnchorBottom;
}  // namespace

const std::vector<MainControl>& MainControls() {
    static const std::vector<MainControl> controls = {
        {ids::kVarList, ControlKind::VariableList, "", {0, 0, 518, 208}, kFill},
        {ids::kRadioDec, ControlKind::FirstRadio, "Dec", {263, 307, 58, 23}, kBottom},
        {ids::kRadioHex, ControlKind::Radio, "Hex", {326, 307, 57, 23}, kBottom},
        {ids::kRadioBin, ControlKind::Radio, "Bin", {388, 307, 56, 23}, kBottom},
        {ids::kProjectChooser, ControlKind::SortedChooser, "", {0, 306, 247, 129}, kBottom},
        {ids::kContinueButton, ControlKind::OwnerDrawn, "", {449, 305, 69, 24}, kBottom},
        {ids::kUntilChooser, ControlKind::Chooser, "", {153, 274, 140, 129}, kBottom},
        {ids::kRepeatChooser, ControlKind::Chooser, "", {0, 274, 140, 129}, kBottom},
        {ids::kUntilCount, ControlKind::DigitsEdit, "00", {306, 274, 25, 24}, kBottom},
        // "Untill" is the program's fixed spelling, as in the chooser's first entry.
        {ids::kUntilCountLabel, ControlKind::Label, "Untill count", {336, 278, 72, 18}, kBottom},
        {ids::kContinuous, ControlKind::CheckBox, "Continuous", {418, 278, 92, 18}, kBottom},
        {ids::kTagLabel, ControlKind::SunkenCentredLabel, "", {349, 244, 169, 24}, kBottom},
        {ids::kDumpPointLabel, ControlKind::SunkenCentredLabel, "", {2, 214, 344, 24}, kBottom},
        {ids::kTransitionLabel, ControlKind::SunkenLabel, "", {349, 214, 169, 24}, kBottom},
        {ids::kUnusedLabel, ControlKind::CentredLabel, "", {2, 244, 344, 24}, kBottom},
    };
    return controls;
}

}  // namespace varnolux
