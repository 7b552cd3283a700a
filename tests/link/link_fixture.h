#pragma once
// A link thread's context on memory seams with a hand-driven clock.
#include <gtest/gtest.h>

#include <vector>

#include "link/line/link_context.h"
#include "link/line/protocol.h"
#include "link/packets/crc8.h"
#include "link/packets/handler.h"
#include "link/thread/link_thread.h"
#include "support/memory_link_rig.h"

namespace varnolux {

class LinkFixture : public ::testing::Test, protected MemoryLinkRig {
  protected:
    LinkFixture() {
        link.clock.nowNs = [this] { return now; };
        link.clock.sleepMs = [this](int ms) {
            now += static_cast<int64_t>(ms) * 1000000;
            sleptMs += ms;
        };
        session.device.Core = 16;
        session.device.SourceDeviceName = "18F25K22";
        session.device.ListingDeviceName = "18F25K22";
        session.device.EepromSize = 255;
        session.image.EepromImage.resize(256);
        session.project.listingName = "C:\\Proj\\DEMO.lst";
        session.project.romReference = RomReference{0x01CA, 0xEFE5, 0xF000, 2};
    }

    // Runs the link loop until every queued byte is consumed.
    void Run() {
        while (!port.input.empty()) LinkTurn(link);
    }
    void Send(const std::vector<uint8_t>& bytes) {
        port.written.clear();
        port.Feed(bytes);
        Run();
    }
    void Send(const std::string& text) { Send(std::vector<uint8_t>(text.begin(), text.end())); }

    // A target packet with the given bytes from offset 1 on and a correct CRC.
    static std::vector<uint8_t> Packet(std::vector<uint8_t> fromType) {
        std::vector<uint8_t> p(32, 0);
        p[0] = kStx;
        for (size_t i = 0; i < fromType.size() && i < 30; ++i) p[1 + i] = fromType[i];
        p[31] = Crc8(p.data(), 31);
        return p;
    }
    static std::vector<uint8_t> DataPacket(uint16_t address, std::vector<uint8_t> data) {
        std::vector<uint8_t> f = {MT_DATA, static_cast<uint8_t>(data.size()),
                                  static_cast<uint8_t>(address >> 8),
                                  static_cast<uint8_t>(address)};
        f.insert(f.end(), data.begin(), data.end());
        return Packet(f);
    }
    static std::vector<uint8_t> EndPacket(uint8_t dumpId, uint8_t wait = 0, uint8_t major = 1) {
        return Packet({MT_ENDDATA, dumpId, major, 0, wait});
    }
    // One complete dump at a dump point: c, data, end, d.
    void Dump(uint8_t dumpId, uint8_t wait = 0) {
        std::vector<uint8_t> bytes = {kSync};
        auto end = EndPacket(dumpId, wait);
        bytes.insert(bytes.end(), end.begin(), end.end());
        bytes.push_back(kQuery);
        Send(bytes);
    }
    char LastAnswer() const {
        return port.written.empty() ? 0 : static_cast<char>(port.written.back());
    }

    int64_t now = 5000000000;
    int sleptMs = 0;
};

}  // namespace varnolux
