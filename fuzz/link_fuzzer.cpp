// The link engine fed any byte stream as a target would send it, through the
// memory port. An independent model of the wire rules (characters, 32-byte
// packets, CRC-8/MAXIM, what each packet type stores) predicts every answer
// the host writes, the dump image, the ports and every record's value.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "link/line/link_context.h"
#include "link/thread/link_thread.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_serial_port.h"
#include "state/session.h"
#include "support/make_record.h"
#include "support/memory_session_rig.h"

namespace {

using namespace varnolux;

constexpr int32_t kEepromSize = 255;

// The recompile prompt is answered "No" (go on); every other box goes on too.
class GoOnPrompts : public MemoryPrompts {
  public:
    PromptAnswer Show(const PromptRequest& request) override {
        const PromptAnswer a = MemoryPrompts::Show(request);
        return a == PromptAnswer::Yes ? PromptAnswer::No : a;
    }
};

uint8_t Crc(const uint8_t* data, size_t length) {
    uint8_t crc = 0;
    for (size_t i = 0; i < length; ++i) {
        uint8_t byte = data[i];
        for (int bit = 0; bit < 8; ++bit) {
            const bool feedback = ((crc ^ byte) & 1) != 0;
            if (feedback) crc ^= 0x18;
            crc = static_cast<uint8_t>(crc >> 1);
            if (feedback) crc |= 0x80;
            byte = static_cast<uint8_t>(byte >> 1);
        }
    }
    return crc;
}

struct Cell {
    uint8_t value = 0;
    bool received = false;
};

struct Model {
    std::vector<Cell> ram = std::vector<Cell>(kRamTop + 1);
    std::vector<Cell> eeprom = std::vector<Cell>(kEepromSize + 1);
    std::array<uint8_t, 5> ports{}, tris{};
    int32_t dumpId = -1;
    bool syncSeen = false;
    bool waiting = false;
    std::string answers;
    std::vector<uint32_t> values;  // per record, as of the last end packet
    std::vector<bool> taken;

    void Packet(const std::array<uint8_t, 32>& p, bool ignoreCrc, const VarTable& records);
    void Eeprom(int32_t address, int count, const uint8_t* bytes);
    void Update(const VarTable& records);
};

void Model::Eeprom(int32_t address, int count, const uint8_t* bytes) {
    for (int i = 0; i < count && address <= kEepromSize; ++i, ++address) {
        eeprom[static_cast<size_t>(address)] = {bytes ? bytes[i] : uint8_t{0xFF}, true};
    }
}

// Every record takes the little-endian value of its bytes once the last one
// arrived (every cell is implemented here).
void Model::Update(const VarTable& records) {
    for (size_t i = 0; i < records.size(); ++i) {
        const MyVarRecord& r = records[i];
        const int bytes = r.VarType == VT_WORD ? 2 : r.VarType == VT_DWORD ? 4 : 1;
        const size_t last = static_cast<size_t>(r.VarAddress + bytes - 1);
        if (!ram[last].received) continue;
        uint32_t v = 0;
        for (int k = bytes - 1; k >= 0; --k)
            v = (v << 8) | ram[static_cast<size_t>(r.VarAddress + k)].value;
        if (r.VarType == VT_BIT) v = (v >> r.VarLen) & 1u;
        values[i] = v;
        taken[i] = true;
    }
}

void Model::Packet(const std::array<uint8_t, 32>& p, bool ignoreCrc, const VarTable& records) {
    const uint8_t type = p[1];
    if ((type == 7 || type == 14) && p[2] > 26) return;  // over-long: no answer
    const bool known =
        type == 7 || type == 8 || type == 9 || type == 11 || type == 14 || type == 15;
    if (!known) return;
    if (Crc(p.data(), 31) != p[31] && !ignoreCrc) {
        answers += 'e';
        return;
    }
    answers += 'f';
    const int32_t start = (p[3] << 8) | p[4];
    switch (type) {
        case 7:
            for (int i = 0; i < p[2]; ++i)
                if (start + i <= kRamTop) ram[static_cast<size_t>(start + i)] = {p[5 + i], true};
            break;
        case 8:
            for (int i = 0; i < p[5]; ++i)
                if (start + i <= kRamTop) ram[static_cast<size_t>(start + i)] = {0, true};
            break;
        case 14:
            Eeprom(start, p[2], p.data() + 5);
            break;
        case 15:
            Eeprom(start, p[5], nullptr);
            break;
        case 11:
            for (size_t i = 0; i < 5; ++i) {
                ports[i] = p[2 + i];
                tris[i] = p[7 + i];
            }
            break;
        default:  // the end packet
            dumpId = p[2];
            waiting = p[5] != 0;
            Update(records);
            break;
    }
}

// Whether every cell of the image holds the model's value and received mark.
// One pass without copies: the images are 20 001 cells and this runs per input.
template <typename Cells>
bool SameCells(const Cells& image, const std::vector<Cell>& model) {
    if (image.size() != model.size()) return false;
    bool same = true;
    for (size_t a = 0; a < model.size(); ++a) {
        same &= image[a].Value == model[a].value;
        same &= (image[a].Received != 0) == model[a].received;
    }
    return same;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 4096) return 0;
    // First byte: IgnoreCRC, and whether the first end packet runs the
    // consistency checks (whose prompts may queue a ROM check request).
    const bool ignoreCrc = (data[0] & 1) != 0;
    const bool checks = (data[0] & 2) != 0;
    const uint8_t* stream = data + 1;
    const size_t length = size - 1;

    // The image with every cell implemented, made once and copied per input.
    static const DumpImage kImplemented = [] {
        DumpImage image;
        for (int32_t a = 0; a < kRamTop; ++a)
            image.RamImage[static_cast<size_t>(a)].Implemented = 1;
        image.EepromImage.resize(kEepromSize + 1);
        return image;
    }();
    MemorySessionRig<GoOnPrompts> rig;
    Session& session = rig.session;
    session.image = kImplemented;
    session.settings.IgnoreCRC = ignoreCrc ? 1 : 0;
    session.device.Core = 16;
    session.device.SourceDeviceName = session.device.ListingDeviceName = "18F25K22";
    session.device.EepromSize = kEepromSize;
    session.records = {MakeRecord("b", VT_BYTE, 0x20), MakeRecord("w", VT_WORD, 0x21),
                       MakeRecord("d", VT_DWORD, 0x30), MakeRecord("f", VT_BIT, 0x40, 5),
                       MakeRecord("top", VT_BYTE, kRamTop)};
    session.run.NoDumpYet = checks ? 1 : 0;

    MemorySerialPort port;
    LinkContext link(session, rig.seams, port);
    link.clock.nowNs = [] { return int64_t{5000000000}; };
    link.clock.sleepMs = [](int) {};

    port.Feed(std::vector<uint8_t>(stream, stream + length));
    while (!port.input.empty()) LinkTurn(link);

    Model model;
    model.values.assign(session.records.size(), 0);
    model.taken.assign(session.records.size(), false);
    for (size_t pos = 0; pos < length;) {
        const uint8_t b = stream[pos++];
        if (b == 'c') {
            model.syncSeen = true;
            model.answers += 'h';
        } else if (b == 'd') {
            model.answers += model.syncSeen && model.waiting ? 'a' : 'b';
        } else if (b == 0x02) {
            std::array<uint8_t, 32> p;
            p.fill(0x20);
            p[0] = 0x02;
            for (size_t k = 1; k < 32 && pos < length; ++k) p[k] = stream[pos++];
            model.Packet(p, ignoreCrc, session.records);
        }
    }

    if (!checks) FUZZ_CHECK(port.WrittenText() == model.answers);
    FUZZ_CHECK(session.image.RamImage.size() == static_cast<size_t>(kRamTop) + 1);
    FUZZ_CHECK(session.image.EepromImage.size() == static_cast<size_t>(kEepromSize) + 1);
    FUZZ_CHECK(SameCells(session.image.RamImage, model.ram));
    FUZZ_CHECK(SameCells(session.image.EepromImage, model.eeprom));
    for (size_t i = 0; i < 5; ++i) {
        FUZZ_CHECK(session.device.Ports[i].ValueImage == model.ports[i]);
        FUZZ_CHECK(session.device.Ports[i].DirectionImage == model.tris[i]);
    }
    FUZZ_CHECK(session.image.DumpId == model.dumpId);
    for (size_t i = 0; i < session.records.size(); ++i) {
        const MyVarRecord& r = session.records[i];
        FUZZ_CHECK((r.VarValueInit != 0) == model.taken[i]);
        if (model.taken[i]) FUZZ_CHECK(r.VarValue == model.values[i]);
    }
    return 0;
}
