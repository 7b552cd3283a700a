#pragma once
// The SFR window's class, control and system-menu numbers.

namespace varnolux::ids {

constexpr const char* kSfrFormClass = "SFRForm_Class";
constexpr int kSfrDisplayList = 8202;
constexpr int kSfrSelectList = 9101;
constexpr int kSfrNote = 9102;  // the line that says why no value shows
constexpr int kSysSfrTopMost = 144;

}  // namespace varnolux::ids
