#pragma once
// The platform seams one run works through, passed together to the logic.
#include "seams/host_os.h"
#include "seams/launcher.h"
#include "seams/main_window_view.h"
#include "seams/prompts.h"
#include "seams/views.h"

namespace varnolux {

struct Seams {
    HostOs& os;
    Prompts& prompts;
    MainWindowView& view;
    Launcher& launcher;
    Views& views;
};

}  // namespace varnolux
