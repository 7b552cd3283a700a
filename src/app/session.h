#pragma once
// Everything one run of the program knows, owned in one place and passed by
// reference. The record table and the dump image are guarded by recordsLock;
// never call into the user interface while holding it.
#include <mutex>

#include "app/run_state.h"
#include "app/settings.h"
#include "link/link_status.h"
#include "link/pending_modify.h"
#include "link/target_identity.h"
#include "project/device.h"
#include "project/dump_points.h"
#include "project/project_facts.h"
#include "vars/dump_image.h"
#include "vars/list_state.h"
#include "vars/var_record.h"

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
