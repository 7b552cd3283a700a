#pragma once
// The bytes a target sends for one dump of `ramBytes` of RAM: the sync, full
// data packets whose byte at address a is a + `offset`, the end packet and
// the "d" query.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "link/line/protocol.h"
#include "link/packets/crc8.h"

namespace varnolux {

inline std::vector<uint8_t> RamDumpBytes(int ramBytes, int offset) {
    std::vector<uint8_t> bytes = {kSync};
    auto add = [&bytes](std::vector<uint8_t> p) {
        p.resize(32, 0);
        p[31] = Crc8(p.data(), 31);
        bytes.insert(bytes.end(), p.begin(), p.end());
    };
    for (int a = 0; a < ramBytes; a += kMaxPacketData) {
        const int n = std::min(kMaxPacketData, ramBytes - a);
        std::vector<uint8_t> p = {kStx, MT_DATA, static_cast<uint8_t>(n),
                                  static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a)};
        for (int i = 0; i < n; ++i) p.push_back(static_cast<uint8_t>(a + i + offset));
        add(p);
    }
    add({kStx, MT_ENDDATA, 1, 1, 0, 0});
    bytes.push_back(kQuery);
    return bytes;
}

}  // namespace varnolux
