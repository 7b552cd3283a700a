#include "link/recording/file.h"

#include <cstdlib>

namespace varnolux {

namespace {

constexpr uint32_t kSectionHeader = 0x0A0D0D0A;
constexpr uint32_t kInterfaceDescription = 1;
constexpr uint32_t kEnhancedPacket = 6;
constexpr uint32_t kByteOrderMagic = 0x1A2B3C4D;
constexpr uint32_t kSwappedMagic = 0x4D3C2B1A;
constexpr uint16_t kOptEnd = 0;
constexpr uint16_t kOptComment = 1;
constexpr uint16_t kShbUserAppl = 4;
constexpr uint16_t kIfName = 2;
constexpr uint16_t kEpbFlags = 2;
constexpr uint32_t kFlagInbound = 1;
constexpr uint32_t kFlagOutbound = 2;
const char* const kFactPrefix = "varnolux.";

void Put16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, static_cast<uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<uint16_t>(v >> 16));
}

void Pad(std::string& out) {
    while (out.size() % 4 != 0) out.push_back('\0');
}

void PutOption(std::string& out, uint16_t code, const std::string& value) {
    Put16(out, code);
    Put16(out, static_cast<uint16_t>(value.size()));
    out += value;
    Pad(out);
}

// Type, total length, body, total length; the body is already padded.
void PutBlock(std::string& out, uint32_t type, const std::string& body) {
    const uint32_t total = static_cast<uint32_t>(body.size() + 12);
    Put32(out, type);
    Put32(out, total);
    out += body;
    Put32(out, total);
}

std::string Fact(const char* key, const std::string& value) {
    return std::string(kFactPrefix) + key + "=" + value;
}

class Reader {
  public:
    Reader(const std::string& file, bool swapped) : f_(file), swapped_(swapped) {}
    uint32_t U32(size_t at) const {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(static_cast<uint8_t>(f_[at + static_cast<size_t>(i)]))
                 << (swapped_ ? 8 * (3 - i) : 8 * i);
        return v;
    }
    uint16_t U16(size_t at) const {
        const uint8_t a = static_cast<uint8_t>(f_[at]);
        const uint8_t b = static_cast<uint8_t>(f_[at + 1]);
        return static_cast<uint16_t>(swapped_ ? (a << 8) | b : (b << 8) | a);
    }

  private:
    const std::string& f_;
    bool swapped_;
};

struct Option {
    uint16_t code;
    std::string value;
};

// The options between `begin` and `end`, up to opt_endofopt.
std::vector<Option> Options(const std::string& file, const Reader& r, size_t begin, size_t end) {
    std::vector<Option> options;
    while (begin + 4 <= end) {
        const uint16_t code = r.U16(begin);
        const size_t length = r.U16(begin + 2);
        if (code == kOptEnd || begin + 4 + length > end) break;
        options.push_back(Option{code, file.substr(begin + 4, length)});
        begin += 4 + ((length + 3) & ~size_t{3});
    }
    return options;
}

uint64_t Number(const std::string& text) {
    return std::strtoull(text.c_str(), nullptr, 10);
}

// Takes one "varnolux.key=value" comment into the facts; false for another text.
bool TakeFact(const std::string& comment, RecordingFacts& facts) {
    const std::string prefix = kFactPrefix;
    if (comment.compare(0, prefix.size(), prefix) != 0) return false;
    const size_t eq = comment.find('=');
    if (eq == std::string::npos) return false;
    const std::string key = comment.substr(prefix.size(), eq - prefix.size());
    const std::string value = comment.substr(eq + 1);
    if (key == "base") facts.baseName = value;
    if (key == "device") facts.device = value;
    if (key == "listingSize") facts.listingSize = Number(value);
    if (key == "listingTime") facts.listingTime = Number(value);
    if (key == "listingDigest") facts.listingDigest = Number(value);
    if (key == "objectSize") facts.objectSize = Number(value);
    if (key == "objectTime") facts.objectTime = Number(value);
    if (key == "baud") facts.baud = static_cast<int32_t>(std::atol(value.c_str()));
    if (key == "port") facts.portName = value;
    if (key == "version") facts.programVersion = value;
    if (key == "start") facts.start = value == "link" ? RecordingStart::Link : RecordingStart::Open;
    return key == "base";
}

}  // namespace

std::string RecordingHeader(const RecordingFacts& facts) {
    std::string shb;
    Put32(shb, kByteOrderMagic);
    Put16(shb, 1);  // version 1.0
    Put16(shb, 0);
    Put32(shb, 0xFFFFFFFF);  // section length not given
    Put32(shb, 0xFFFFFFFF);
    PutOption(shb, kShbUserAppl, "Varnolux " + facts.programVersion);
    const std::string comments[] = {
        Fact("base", facts.baseName),
        Fact("device", facts.device),
        Fact("listingSize", std::to_string(facts.listingSize)),
        Fact("listingTime", std::to_string(facts.listingTime)),
        Fact("listingDigest", std::to_string(facts.listingDigest)),
        Fact("objectSize", std::to_string(facts.objectSize)),
        Fact("objectTime", std::to_string(facts.objectTime)),
        Fact("baud", std::to_string(facts.baud)),
        Fact("port", facts.portName),
        Fact("version", facts.programVersion),
        Fact("start", facts.start == RecordingStart::Link ? "link" : "open"),
    };
    for (const std::string& c : comments) PutOption(shb, kOptComment, c);
    for (const std::string& note : facts.notes) PutOption(shb, kOptComment, note);
    Put32(shb, kOptEnd);

    std::string idb;
    Put16(idb, kRecordingLinkType);
    Put16(idb, 0);
    Put32(idb, 0);  // no snapshot limit
    PutOption(idb, kIfName, facts.portName);
    Put32(idb, kOptEnd);

    std::string out;
    PutBlock(out, kSectionHeader, shb);
    PutBlock(out, kInterfaceDescription, idb);
    return out;
}

void AppendChunkBlock(std::string& out, const RecordedChunk& chunk) {
    const uint32_t length = static_cast<uint32_t>(chunk.bytes.size());
    const uint32_t padded = (length + 3) & ~uint32_t{3};
    const uint32_t total = 32 + padded + 12;
    const uint64_t t = static_cast<uint64_t>(chunk.timeUs);
    out.reserve(out.size() + total);
    Put32(out, kEnhancedPacket);
    Put32(out, total);
    Put32(out, 0);  // interface 0
    Put32(out, static_cast<uint32_t>(t >> 32));
    Put32(out, static_cast<uint32_t>(t & 0xFFFFFFFF));
    Put32(out, length);
    Put32(out, length);
    out.append(reinterpret_cast<const char*>(chunk.bytes.data()), chunk.bytes.size());
    out.append(padded - length, '\0');
    Put16(out, kEpbFlags);
    Put16(out, 4);
    Put32(out, chunk.direction == ChunkDirection::Inbound ? kFlagInbound : kFlagOutbound);
    Put32(out, kOptEnd);
    Put32(out, total);
}

RecordingContents ParseRecording(const std::string& file) {
    RecordingContents c;
    if (file.empty()) {
        c.problem = RecordingProblem::Empty;
        return c;
    }
    c.problem = RecordingProblem::NotRecording;
    if (file.size() < 12) return c;
    const Reader little(file, false);
    if (little.U32(0) != kSectionHeader) return c;
    const uint32_t magic = little.U32(8);
    if (magic != kByteOrderMagic && magic != kSwappedMagic) return c;
    const bool swapped = magic == kSwappedMagic;
    const Reader r(file, swapped);

    bool facts = false;
    bool ourInterface = false;
    size_t at = 0;
    while (at < file.size()) {
        const bool complete = at + 12 <= file.size() && r.U32(at + 4) >= 12 &&
                              r.U32(at + 4) % 4 == 0 && at + r.U32(at + 4) <= file.size();
        if (!complete) {
            c.cut = true;
            c.cutOffset = at;
            break;
        }
        const uint32_t type = r.U32(at);
        const size_t total = r.U32(at + 4);
        const size_t end = at + total - 4;
        if (type == kSectionHeader && at != 0) break;  // a second section is not ours
        if (type == kSectionHeader && total >= 28) {
            for (const Option& o : Options(file, r, at + 24, end))
                if (o.code == kOptComment && TakeFact(o.value, c.facts)) facts = true;
        } else if (type == kInterfaceDescription && total >= 20) {
            ourInterface = r.U16(at + 8) == kRecordingLinkType;
        } else if (type == kEnhancedPacket && total >= 32 && ourInterface) {
            const size_t length = r.U32(at + 20);
            if (28 + length > end - at) {
                c.cut = true;  // a block that lies about its length ends the readable part
                c.cutOffset = at;
                break;
            }
            RecordedChunk chunk;
            chunk.timeUs = static_cast<int64_t>((static_cast<uint64_t>(r.U32(at + 12)) << 32) |
                                                r.U32(at + 16));
            const auto* data = reinterpret_cast<const uint8_t*>(file.data() + at + 28);
            chunk.bytes.assign(data, data + length);
            for (const Option& o : Options(file, r, at + 28 + ((length + 3) & ~size_t{3}), end))
                if (o.code == kEpbFlags && o.value.size() == 4 &&
                    Reader(o.value, swapped).U32(0) % 4 == kFlagOutbound)
                    chunk.direction = ChunkDirection::Outbound;
            c.chunks.push_back(std::move(chunk));
        }
        at += total;
    }
    if (facts && ourInterface) c.problem = RecordingProblem::None;
    return c;
}

}  // namespace varnolux
