// The recording file: blocks written and read back, cut files, files that are
// not recordings.
#include <gtest/gtest.h>

#include "link/recording/file.h"

namespace varnolux {
namespace {

RecordingFacts SomeFacts() {
    RecordingFacts f;
    f.baseName = "Thermo";
    f.device = "18F25K22";
    f.listingSize = 123456;
    f.listingTime = 133456789012345678ULL;
    f.objectSize = 9876;
    f.objectTime = 133456789022345678ULL;
    f.baud = 57600;
    f.portName = "/dev/pts/7";
    f.programVersion = "1.1";
    f.start = RecordingStart::Link;
    return f;
}

std::vector<RecordedChunk> SomeChunks() {
    // Lengths 0 to 5 cover every padding; times above 2^32 us need both halves.
    return {
        {1765000000000000, ChunkDirection::Inbound, {}},
        {1765000000000001, ChunkDirection::Inbound, {'c'}},
        {1765000000000100, ChunkDirection::Outbound, {'h'}},
        {1765000000000200, ChunkDirection::Inbound, {2, 7}},
        {1765000000000300, ChunkDirection::Inbound, {1, 2, 3}},
        {1765000000000400, ChunkDirection::Inbound, {0, 0, 0, 0}},
        {1765000000000500, ChunkDirection::Inbound, {9, 8, 7, 6, 5}},
        {1765000000000600, ChunkDirection::Outbound, {'b'}},
    };
}

std::string SomeFile(const std::vector<RecordedChunk>& chunks) {
    std::string file = RecordingHeader(SomeFacts());
    for (const RecordedChunk& c : chunks) AppendChunkBlock(file, c);
    return file;
}

void ExpectSameChunks(const std::vector<RecordedChunk>& want, const std::vector<RecordedChunk>& got,
                      size_t count) {
    ASSERT_EQ(got.size(), count);
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(got[i].timeUs, want[i].timeUs) << i;
        EXPECT_EQ(got[i].direction, want[i].direction) << i;
        EXPECT_EQ(got[i].bytes, want[i].bytes) << i;
    }
}

TEST(RecordingFile, ChunksAndFactsComeBackAsWritten) {
    const std::vector<RecordedChunk> chunks = SomeChunks();
    const std::string file = SomeFile(chunks);
    EXPECT_EQ(file.size() % 4, 0u);
    const RecordingContents c = ParseRecording(file);
    EXPECT_EQ(c.problem, RecordingProblem::None);
    EXPECT_FALSE(c.cut);
    ExpectSameChunks(chunks, c.chunks, chunks.size());
    const RecordingFacts f = SomeFacts();
    EXPECT_EQ(c.facts.baseName, f.baseName);
    EXPECT_EQ(c.facts.device, f.device);
    EXPECT_EQ(c.facts.listingSize, f.listingSize);
    EXPECT_EQ(c.facts.listingTime, f.listingTime);
    EXPECT_EQ(c.facts.objectSize, f.objectSize);
    EXPECT_EQ(c.facts.objectTime, f.objectTime);
    EXPECT_EQ(c.facts.baud, f.baud);
    EXPECT_EQ(c.facts.portName, f.portName);
    EXPECT_EQ(c.facts.programVersion, f.programVersion);
    EXPECT_EQ(c.facts.start, RecordingStart::Link);
}

TEST(RecordingFile, EnhancedPacketBlockLayoutIsPcapng) {
    std::string block;
    AppendChunkBlock(block, {0x0000000100000002, ChunkDirection::Outbound, {'b'}});
    const std::string expected(
        "\x06\x00\x00\x00"
        "\x30\x00\x00\x00"  // 32 + 4 data + 12 of flags, end and length
        "\x00\x00\x00\x00"
        "\x01\x00\x00\x00"
        "\x02\x00\x00\x00"
        "\x01\x00\x00\x00"
        "\x01\x00\x00\x00"
        "b\x00\x00\x00"
        "\x02\x00\x04\x00"
        "\x02\x00\x00\x00"  // outbound
        "\x00\x00\x00\x00"
        "\x30\x00\x00\x00",
        48);
    EXPECT_EQ(block, expected);
}

TEST(RecordingFile, ACutLastBlockEndsTheChunksBeforeIt) {
    const std::vector<RecordedChunk> chunks = SomeChunks();
    const std::string whole = SomeFile(chunks);
    std::string withoutLast = RecordingHeader(SomeFacts());
    for (size_t i = 0; i + 1 < chunks.size(); ++i) AppendChunkBlock(withoutLast, chunks[i]);
    for (size_t cut = withoutLast.size() + 1; cut < whole.size(); ++cut) {
        const RecordingContents c = ParseRecording(whole.substr(0, cut));
        ASSERT_EQ(c.problem, RecordingProblem::None) << cut;
        EXPECT_TRUE(c.cut) << cut;
        EXPECT_EQ(c.cutOffset, withoutLast.size()) << cut;
        ExpectSameChunks(chunks, c.chunks, chunks.size() - 1);
    }
    const RecordingContents atBoundary = ParseRecording(withoutLast);
    EXPECT_FALSE(atBoundary.cut);
    EXPECT_EQ(atBoundary.chunks.size(), chunks.size() - 1);
}

TEST(RecordingFile, OtherFilesAreNoRecording) {
    const std::string header = RecordingHeader(SomeFacts());
    std::string otherLinkType = header;
    // The interface block follows the section header; its link type is its first body field.
    const size_t idb = static_cast<uint8_t>(header[4]) | (static_cast<uint8_t>(header[5]) << 8);
    otherLinkType[idb + 8] = 1;  // Ethernet
    otherLinkType[idb + 9] = 0;
    std::string noFacts = header;
    for (size_t at = noFacts.find("varnolux."); at != std::string::npos;
         at = noFacts.find("varnolux.", at + 1))
        noFacts[at] = 'X';
    const struct {
        std::string file;
        RecordingProblem problem;
    } cases[] = {
        {"", RecordingProblem::Empty},
        {"Thermo.lst listing text\r\n", RecordingProblem::NotRecording},
        {header.substr(0, 8), RecordingProblem::NotRecording},
        {std::string("\xd4\xc3\xb2\xa1", 4) + std::string(20, '\0'),
         RecordingProblem::NotRecording},  // classic pcap
        {otherLinkType, RecordingProblem::NotRecording},
        {noFacts, RecordingProblem::NotRecording},
        {header, RecordingProblem::None},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseRecording(c.file).problem, c.problem) << c.file;
}

TEST(RecordingFile, ABlockThatClaimsMoreDataThanItHoldsEndsTheReading) {
    std::string file = RecordingHeader(SomeFacts());
    const size_t start = file.size();
    AppendChunkBlock(file, {1, ChunkDirection::Inbound, {'c'}});
    file[start + 20] = 100;  // captured length beyond the block
    const RecordingContents c = ParseRecording(file);
    EXPECT_TRUE(c.cut);
    EXPECT_EQ(c.cutOffset, start);
    EXPECT_TRUE(c.chunks.empty());
}

}  // namespace
}  // namespace varnolux
