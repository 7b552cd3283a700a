#pragma once
// Controls of the Watch window that other windows reach through Views.

namespace varnolux::ids {

constexpr int kWatchContinueButton = 111;
constexpr int kWatchContinuous = 112;
constexpr int kWatchDumpIdLabel = 2802;

}  // namespace varnolux::ids
