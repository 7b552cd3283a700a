#pragma once
// A session with every seam in memory, for tests that drive the core through
// its seams; `PromptsT` answers the message boxes.
#include "state/session.h"
#include "ui/memory_host_os.h"
#include "ui/memory_launcher.h"
#include "ui/memory_main_window_view.h"
#include "ui/memory_prompts.h"
#include "ui/memory_views.h"
#include "ui/seams.h"

namespace varnolux {

template <class PromptsT = MemoryPrompts>
struct MemorySessionRig {
    Session session;
    MemoryHostOs os;
    PromptsT prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    MemoryViews views;
    Seams seams{os, prompts, view, launcher, views};
};

}  // namespace varnolux
