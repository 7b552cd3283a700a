#include <gtest/gtest.h>

#include <algorithm>

#include "link/packets/finish_transaction.h"
#include "project/checks/hex_tag.h"
#include "sim/core/target_packets.h"
#include "sim/core/target_program.h"

namespace varnolux::sim {
namespace {

// The HexTag text a host of `hostCore` shows for the end packet of a target
// of `targetCore` built at 07.12.2026 10:05.
std::string StampShown(int32_t targetCore, int32_t hostCore) {
    TargetProgram program;
    program.core = targetCore;
    program.hexTag = HexTagAt(2026, 12, 7, 10, 5, 59);
    const SimPacket p = EndPacket(program, EndFacts{});
    Session host;
    host.device.Core = hostCore;
    host.device.SourceDeviceName = "16F886";
    TargetPacket packet;
    std::copy(p.begin(), p.end(), packet.begin());
    TakeTargetIdentity(host, packet);
    return HexTagText(host.identity);
}

// The stamp seen once as "12/07/10 26:32:00 0.5.0.7" is this build's stamp with
// the two cores' field layouts crossed: the host took a packet of a target of
// the other core. Host and simulator each take the core from the same device
// file before any link runs, so that target was another project's simulator,
// left running on the link path (see sim_parent_test.sh, which keeps that from
// happening); with matching cores the stamp reads right.
TEST(BuildStamp, CrossedCoresGiveTheShiftedStampAndMatchingOnesTheRightOne) {
    EXPECT_EQ(StampShown(14, 14), " 07/12/26   10:05:00   3.2.0.7");
    EXPECT_EQ(StampShown(16, 16), " 07/12/26   10:05:00   3.2.0.7");
    EXPECT_EQ(StampShown(16, 14), " 12/07/10   26:32:00   0.5.0.7");
    EXPECT_EQ(StampShown(14, 16), " 12/07/10   26:32:00   0.5.0.7");
}

}  // namespace
}  // namespace varnolux::sim
