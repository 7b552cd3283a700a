#pragma once
// The platform seams one run works through, passed together to the logic.
#include "ui/host_os.h"
#include "ui/launcher.h"
#include "ui/main_window_view.h"
#include "ui/prompts.h"
#include "ui/views.h"

namespace varnolux {

struct Seams {
    HostOs& os;
    Prompts& prompts;
    MainWindowView& view;
    Launcher& launcher;
    Views& views;
};

}  // namespace varnolux
