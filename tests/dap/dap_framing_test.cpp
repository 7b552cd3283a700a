#include "dap/dap_framing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace varnolux::dap {
namespace {

TEST(DapFraming, MessagesComeWholeWhateverTheReadsCutThem) {
    const std::string stream = Frame(R"({"seq":1})") + Frame(R"({"seq":2,"x":"é"})");
    for (size_t cut = 1; cut < stream.size(); ++cut) {
        FrameReader reader;
        std::vector<std::string> bodies;
        std::string body, error;
        for (size_t at = 0; at < stream.size(); at += cut) {
            reader.Feed(stream.data() + at, std::min(cut, stream.size() - at));
            while (reader.Next(body, error)) bodies.push_back(body);
            EXPECT_EQ(error, "");
        }
        ASSERT_EQ(bodies.size(), 2u) << "cut " << cut;
        EXPECT_EQ(bodies[0], R"({"seq":1})");
        EXPECT_EQ(bodies[1], R"({"seq":2,"x":"é"})");
    }
}

TEST(DapFraming, TheLengthCountsBytes) {
    EXPECT_EQ(Frame("é"), "Content-Length: 2\r\n\r\né");
}

TEST(DapFraming, OtherHeaderFieldsAndAnyCaseAreTaken) {
    FrameReader reader;
    const std::string text = "content-type: x\r\nCONTENT-LENGTH:  4 \r\n\r\nnull";
    reader.Feed(text.data(), text.size());
    std::string body, error;
    ASSERT_TRUE(reader.Next(body, error));
    EXPECT_EQ(body, "null");
}

TEST(DapFraming, AHeaderWithoutLengthIsReportedAndSkipped) {
    FrameReader reader;
    const std::string text = "Content-Length: x\r\n\r\n" + Frame("{}");
    reader.Feed(text.data(), text.size());
    std::string body, error;
    EXPECT_FALSE(reader.Next(body, error));
    EXPECT_EQ(error, "a message header without a Content-Length");
    ASSERT_TRUE(reader.Next(body, error));
    EXPECT_EQ(body, "{}");
}

}  // namespace
}  // namespace varnolux::dap
