#pragma once
// The Source window's class, control and system-menu numbers.

namespace varnolux::ids {

constexpr const char* kSourceFormClass = "SourceForm_Class";
constexpr int kSourceList = 1901;
constexpr int kSysSourceTopMost = 151;

}  // namespace varnolux::ids
