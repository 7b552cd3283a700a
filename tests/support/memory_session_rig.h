#pragma once
// Seams in memory, for tests, benchmarks and fuzzers that drive the core
// through its seams; `PromptsT` answers the message boxes, `HostOsT` is the host.
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_launcher.h"
#include "seams/memory/memory_main_window_view.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_views.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Every seam but the host in memory, around a host the caller owns.
template <class PromptsT = MemoryPrompts>
struct MemorySeamsAround {
    explicit MemorySeamsAround(HostOs& host) : seams{host, prompts, view, launcher, views} {}

    PromptsT prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    MemoryViews views;
    Seams seams;
};

// The host of MemorySeams: a base of its own, so that it is made before the
// seams around it.
template <class HostOsT>
struct OwnHost {
    HostOsT os;
};

// Every seam in memory, the host included.
template <class PromptsT = MemoryPrompts, class HostOsT = MemoryHostOs>
struct MemorySeams : OwnHost<HostOsT>, MemorySeamsAround<PromptsT> {
    MemorySeams() : MemorySeamsAround<PromptsT>(this->os) {}
};

// A session with every seam in memory.
template <class PromptsT = MemoryPrompts, class HostOsT = MemoryHostOs>
struct MemorySessionRig : MemorySeams<PromptsT, HostOsT> {
    Session session;
};

}  // namespace varnolux
