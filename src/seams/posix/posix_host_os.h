#pragma once
// The host on Linux: the system's files and clock (SystemHostOs, with Windows
// paths mapped by ResolvePath), and a clipboard kept in memory, as there is
// no X clipboard behind the console programs.
#include <string>

#include "seams/posix/resolve_path.h"
#include "seams/system_host_os.h"

namespace varnolux {

class PosixHostOs : public SystemHostOs {
  public:
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    const std::string& ClipboardText() const { return clipboard_; }

  private:
    std::string clipboard_;
};

}  // namespace varnolux
