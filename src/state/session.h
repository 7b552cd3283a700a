#pragma once
// Everything one run of the program knows, owned in one place and passed by
// reference.
//
// The locking rule: the record table and the dump image (and the dump-point
// table and source-file list whenever the link thread writes them) are guarded
// by recordsLock. A window takes what it needs under the lock (a snapshot),
// releases it, and only then writes to its controls. Nothing calls into the
// user interface while holding it: no window message, no message box, no other
// window's refresh. The UI thread may be waiting for the lock, so such a call
// from the link thread would deadlock, and a window refreshed from inside a
// list operation would take the lock a second time on the UI thread.
#include <mutex>

#include "state/device.h"
#include "state/dump_image.h"
#include "state/dump_points.h"
#include "state/link_status.h"
#include "state/list_state.h"
#include "state/pending_modify.h"
#include "state/project_facts.h"
#include "state/run_state.h"
#include "state/settings.h"
#include "state/target_identity.h"
#include "state/var_record.h"

namespace varnolux {

struct Session {
    Settings settings;
    ProjectFacts project;
    DeviceDescription device;
    DumpPointTable dumpPoints;
    TargetIdentity identity;
    LinkStatus link;
    RunState run;
    ListState list;        // main list sort and click state (UI thread)
    PendingModify modify;  // the value behind RunState::ModifyPending

    std::mutex recordsLock;  // guards records and image
    VarTable records;
    DumpImage image;
};

}  // namespace varnolux
