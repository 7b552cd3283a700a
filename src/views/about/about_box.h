#pragma once
// The About window: its texts, and the modal sequence over its owner, the
// main window, which takes no input while it shows.
#include <string>

#include "state/version.h"

namespace varnolux {

constexpr const char* kProgramName = "Varnolux";
constexpr const char* kAboutPurpose = "Shows Proton variables at a dump point";

// "Varnolux   Ver 1.1"
std::string AboutTitle();

// The window as the sequence drives it.
class AboutFrame {
  public:
    virtual ~AboutFrame() = default;
    virtual void Show() = 0;
    virtual void EnableOwner(bool enabled) = 0;
    virtual void Destroy() = 0;
};

// Shown first, then the owner disabled, so the About window is modal.
void OpenAbout(AboutFrame& frame);
// The owner takes input again before the window goes, so the activation
// returns to it rather than to another program.
void CloseAbout(AboutFrame& frame);

}  // namespace varnolux
