#pragma once
// A session with every seam in memory, for tests that drive the core through
// its seams; `PromptsT` answers the message boxes.
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_launcher.h"
#include "seams/memory/memory_main_window_view.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_views.h"
#include "seams/seams.h"
#include "state/session.h"

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
