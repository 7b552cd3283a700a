#pragma once
// Everything one run of the program knows, owned in one place and passed by
// reference. The record table and the dump image are guarded by recordsLock;
// never call into the user interface while holding it.
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
