#pragma once
// The host's link on memory seams, wired to the simulated firmware on its port.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "link/thread/link_thread.h"
#include "seams/main_ids.h"
#include "sim/core/target_engine.h"
#include "sim/core/target_program.h"
#include "support/make_record.h"
#include "support/memory_link_rig.h"

namespace varnolux::sim {

// A PIC18 project: one of each type, a byte array "text" of `textLength`
// elements at 0x100 and two dump points, the second a dumpw.
inline void LoadSimProject(Session& s, int textLength) {
    s.device.Core = 16;
    s.device.SourceDeviceName = "18F25K22";
    s.device.ListingDeviceName = "18F25K22";
    for (int a = 0; a < 0x600; ++a) s.image.RamImage[static_cast<size_t>(a)].Implemented = 1;
    s.records = {MakeRecord("flags", VT_BIT, 0x20, 3),
                 MakeRecord("count", VT_BYTE, 0x21),
                 MakeRecord("offset", VT_SBYTE, 0x22),
                 MakeRecord("ticks", VT_WORD, 0x23),
                 MakeRecord("delta", VT_SWORD, 0x25),
                 MakeRecord("total", VT_DWORD, 0x27),
                 MakeRecord("balance", VT_SDWORD, 0x2B),
                 MakeRecord("temp", VT_FLOAT, 0x2F),
                 MakeRecord("text", VT_BYTE, 0x100, textLength, RT_ARRAY)};
    for (int i = 0; i < textLength; ++i)
        s.records.push_back(
            MakeRecord("text#" + std::to_string(i), VT_BYTE, 0x100 + i, 1, RT_SUBSCRIPT));
    s.dumpPoints.entries[3] = DumpPoint{0, 10, 0, "loop top"};
    s.dumpPoints.entries[5] = DumpPoint{0, 20, 1, "after read"};
    s.dumpPoints.order = {3, 5};
    s.project.romReference = RomReference{0x7FF0, 0xEF12, -1, 1};
    s.settings.UpdatesBefore = 1;
}

class TargetRig : public MemoryLinkRig {
  protected:
    // Starts the firmware built from `targetProject`; every byte the host
    // writes reaches it at once, every idle read lets its clock run on.
    void StartTarget(const SimOptions& options) {
        engine = std::make_unique<TargetEngine>(ProgramFromSession(targetProject, 0x5C63), options);
        port.onWrite = [this](uint8_t b) {
            engine->Receive(b, simNow);
            Collect();
        };
        port.onIdle = [this](int) {
            simNow += 40;  // a read that found nothing took its time-out
            engine->Tick(simNow);
            Collect();
        };
        view.SetControlText(ids::kUntilCount, "00");
    }
    // Runs the host's loop until the target completed `dumps` dumps.
    void RunDumps(int64_t dumps) {
        for (int turns = 0; engine->CompletedDumps() < dumps && turns < 5000000; ++turns)
            LinkTurn(link);
        ASSERT_EQ(engine->CompletedDumps(), dumps);
    }

    Session targetProject;
    std::unique_ptr<TargetEngine> engine;
    int64_t simNow = 0;

  private:
    void Collect() {
        for (uint8_t b : engine->TakeOutput()) port.input.push_back(b);
    }
};

}  // namespace varnolux::sim
