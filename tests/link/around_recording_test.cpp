// Recording around a rule's firings: which transactions each numbered file
// holds, and what its header says.
#include <gtest/gtest.h>

#include "link/recording/around_recording.h"
#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

TEST(AroundRecording, EachFiringWritesTheDumpsBeforeItItselfAndTheOnesAfter) {
    const struct {
        const char* what;
        int keep;
        std::vector<std::pair<int, int>> triggers;  // at transaction, with pre
        int post;
        std::vector<std::string> files;
    } cases[] = {
        {"pre and post", 3, {{5, 3}}, 2, {"[2][3][4][5][6][7]"}},
        {"fewer kept than asked", 1, {{5, 3}}, 1, {"[4][5][6]"}},
        {"early firing", 5, {{1, 5}}, 0, {"[0][1]"}},
        {"the end comes first", 2, {{8, 2}}, 5, {"[6][7][8][9]"}},
        {"overlapping firings", 2, {{3, 2}, {4, 1}}, 2, {"[1][2][3][4][5]", "[3][4][5][6]"}},
    };
    for (const auto& c : cases) {
        MemoryHostOs os;
        RecordingFacts facts;
        facts.baseName = "DEMO";
        AroundRecording around(os, "C:\\p\\run.pcapng", facts, c.keep);
        for (int n = 0; n < 10; ++n) {
            for (const auto& [at, pre] : c.triggers)
                if (at == n) around.Trigger(pre, c.post, {"fired at " + std::to_string(n)}, 19200);
            ASSERT_TRUE(around.EndTransaction("[" + std::to_string(n) + "]"));
        }
        ASSERT_EQ(around.Files().size(), c.files.size()) << c.what;
        for (size_t i = 0; i < c.files.size(); ++i) {
            EXPECT_EQ(around.Files()[i], "C:\\p\\run-" + std::to_string(i + 1) + ".pcapng");
            const std::string data = os.ReadFile(around.Files()[i]).value_or("");
            RecordingFacts written = facts;
            written.start = RecordingStart::Link;
            written.baud = 19200;
            written.notes = {"fired at " + std::to_string(c.triggers[i].first)};
            EXPECT_EQ(data, RecordingHeader(written) + c.files[i]) << c.what;
        }
    }
}

TEST(AroundRecording, NumberedPathsKeepTheFolderAndExtension) {
    EXPECT_EQ(NumberedPath("run.pcapng", 2), "run-2.pcapng");
    EXPECT_EQ(NumberedPath("C:\\a.b\\run", 1), "C:\\a.b\\run-1");
    EXPECT_EQ(NumberedPath("/tmp/x.y/run.v1.pcapng", 3), "/tmp/x.y/run.v1-3.pcapng");
}

}  // namespace
}  // namespace varnolux
