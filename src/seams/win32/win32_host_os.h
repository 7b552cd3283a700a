#pragma once
// The host on Windows: the system's files and clock (SystemHostOs) and the
// system's clipboard.
#include <string>

#include "seams/system_host_os.h"

namespace varnolux {

class Win32HostOs : public SystemHostOs {
  public:
    void SetClipboardText(const std::string& text) override;
};

}  // namespace varnolux
