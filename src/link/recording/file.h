#pragma once
// A session recording: the bytes that crossed the serial line, each chunk as
// the port delivered or took it, with its time and direction, in a pcapng file
// (docs/recording.md). One Section Header Block whose comments carry the
// project's facts, one Interface Description Block of link type USER0, and one
// Enhanced Packet Block per chunk.
#include <cstdint>
#include <string>
#include <vector>

#include "state/file_time.h"

namespace varnolux {

constexpr uint16_t kRecordingLinkType = 147;  // LINKTYPE_USER0

enum class ChunkDirection { Inbound, Outbound };  // target to host, host to target

struct RecordedChunk {
    int64_t timeUs = 0;  // microseconds since 1970-01-01 UTC
    ChunkDirection direction = ChunkDirection::Inbound;
    std::vector<uint8_t> bytes;  // empty: a read that found nothing within its time-outs
};

// Where the recording began: before the port was opened (the rate probe is in
// it) or on a running link (the replay starts with the first turn of the loop).
enum class RecordingStart { Open, Link };

// What a replay needs besides the bytes: which project, which files, which line.
struct RecordingFacts {
    std::string baseName;
    std::string device;  // the source's device name
    uint64_t listingSize = 0;
    FileTime listingTime = 0;
    // FNV-1a of the listing's bytes; 0 in recordings made before it was kept.
    uint64_t listingDigest = 0;
    uint64_t objectSize = 0;
    FileTime objectTime = 0;
    int32_t baud = 0;  // the settings' rate for an Open start, the rate in force otherwise
    std::string portName;
    std::string programVersion;
    RecordingStart start = RecordingStart::Open;
    // Comments of its own, such as the stop rule that made the recording.
    std::vector<std::string> notes;
};

// The Section and Interface Description Blocks that begin every recording.
std::string RecordingHeader(const RecordingFacts& facts);
// One Enhanced Packet Block, appended to `out`.
void AppendChunkBlock(std::string& out, const RecordedChunk& chunk);

enum class RecordingProblem {
    None,
    Empty,         // no byte at all
    NotRecording,  // not pcapng, or pcapng that is not a Varnolux recording
};

struct RecordingContents {
    RecordingProblem problem = RecordingProblem::None;
    RecordingFacts facts;
    std::vector<RecordedChunk> chunks;
    bool cut = false;      // the file ends inside a block
    size_t cutOffset = 0;  // where that block begins
};

// Reads a recording; a cut last block ends the chunks before it and sets `cut`.
RecordingContents ParseRecording(const std::string& file);

}  // namespace varnolux
