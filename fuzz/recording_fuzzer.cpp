// The recording reader on any bytes: it never reads outside the file, a cut is
// reported inside it, and what it read writes back into a file that reads the
// same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "link/recording/file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace varnolux;
    if (size > 65536) return 0;
    const std::string file(reinterpret_cast<const char*>(data), size);
    const RecordingContents c = ParseRecording(file);
    if (c.cut) FUZZ_CHECK(c.cutOffset < size);
    size_t bytes = 0;
    for (const RecordedChunk& chunk : c.chunks) bytes += chunk.bytes.size();
    FUZZ_CHECK(bytes <= size);
    if (c.problem != RecordingProblem::None) return 0;

    std::string again = RecordingHeader(c.facts);
    for (const RecordedChunk& chunk : c.chunks) AppendChunkBlock(again, chunk);
    const RecordingContents d = ParseRecording(again);
    FUZZ_CHECK(d.problem == RecordingProblem::None && !d.cut);
    FUZZ_CHECK(d.facts.baseName == c.facts.baseName && d.facts.baud == c.facts.baud);
    FUZZ_CHECK(d.chunks.size() == c.chunks.size());
    for (size_t i = 0; i < c.chunks.size(); ++i) {
        FUZZ_CHECK(d.chunks[i].bytes == c.chunks[i].bytes);
        FUZZ_CHECK(d.chunks[i].direction == c.chunks[i].direction);
        FUZZ_CHECK(d.chunks[i].timeUs == c.chunks[i].timeUs);
    }
    return 0;
}
