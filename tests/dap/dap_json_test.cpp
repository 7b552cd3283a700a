#include "dap/dap_json.h"

#include <gtest/gtest.h>

namespace varnolux::dap {
namespace {

TEST(DapJson, ReadsARequestAsAClientSendsIt) {
    Json j;
    std::string error;
    ASSERT_TRUE(ParseJson(
        R"({"seq":3,"type":"request","command":"setBreakpoints","arguments":{"source":{"path":"C:\\p\\Thermo.bas"},"breakpoints":[{"line":59,"condition":"tick > 2"}],"lines":[59]}})",
        j, error))
        << error;
    EXPECT_EQ(j["command"].Str(), "setBreakpoints");
    EXPECT_EQ(j["seq"].Int(), 3);
    EXPECT_EQ(j["arguments"]["source"]["path"].Str(), "C:\\p\\Thermo.bas");
    ASSERT_EQ(j["arguments"]["breakpoints"].Items().size(), 1u);
    EXPECT_EQ(j["arguments"]["breakpoints"].Items()[0]["condition"].Str(), "tick > 2");
    EXPECT_TRUE(j["arguments"]["missing"].IsNull());
}

TEST(DapJson, TextSurvivesAWriteAndARead) {
    Json j = Json::Object();
    j.Set("text", "a \"quoted\" \\ line\nnext\t\x01 caf\xC3\xA9");
    j.Set("n", -12.5).Set("big", 4294967295.0).Set("t", true).Set("z", nullptr);
    j.Set("list", Json::Array().Push(1).Push("two"));
    Json back;
    std::string error;
    ASSERT_TRUE(ParseJson(j.Dump(), back, error)) << error;
    EXPECT_EQ(back["text"].Str(), j["text"].Str());
    EXPECT_EQ(back["n"].Num(), -12.5);
    EXPECT_EQ(back["big"].Int(), 4294967295L);
    // Numbers no long holds read as the fallback.
    EXPECT_EQ(Json(1e300).Int(7), 7);
    EXPECT_EQ(Json(-1e300).Int(7), 7);
    EXPECT_EQ(back.Dump(), j.Dump());
    EXPECT_NE(j.Dump().find("\"big\":4294967295"), std::string::npos) << "whole numbers stay whole";
}

TEST(DapJson, ReadsUnicodeEscapes) {
    Json j;
    std::string error;
    ASSERT_TRUE(ParseJson(R"(["\u00e9\ud83d\ude00\/"])", j, error)) << error;
    EXPECT_EQ(j.Items()[0].Str(), "\xC3\xA9\xF0\x9F\x98\x80/");
}

TEST(DapJson, RefusesBrokenTextWithWhere) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {R"({"a":1,})", "unexpected character at 8"},
        {R"({"a":)", "unexpected end at 6"},
        {R"({"a":1} x)", "unexpected character at 9"},
        {R"(["tab	in"])", "unexpected character at 6"},
        {"", "unexpected end at 1"},
    };
    for (const auto& c : cases) {
        Json j;
        std::string error;
        EXPECT_FALSE(ParseJson(c.text, j, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace varnolux::dap
