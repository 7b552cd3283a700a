#include "text/text_encoding.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

// Names from the file system arrive as UTF-8, texts from project files and the
// target as code-page bytes; both reach a script as the characters they are.
TEST(TextEncoding, Utf8StaysAndOtherBytesAreLatin1) {
    EXPECT_EQ(Utf8Text("/home/\xE6\xB8\xA9\xE5\xBA\xA6/Thermo.lst"),
              "/home/\xE6\xB8\xA9\xE5\xBA\xA6/Thermo.lst");
    EXPECT_EQ(Utf8Text("0.1 \xB0"
                       "C"),
              "0.1 \xC2\xB0"
              "C");                                       // a code-page degree sign
    EXPECT_EQ(Utf8Text("\xC0\xAF"), "\xC3\x80\xC2\xAF");  // an overlong form is no UTF-8
}

// What a Windows console is given: the characters, whichever way they arrived.
TEST(TextEncoding, ConsoleTextIsUtf16) {
    const struct {
        std::string text;
        std::u16string wide;
    } cases[] = {
        {"0.1 \xC2\xB0"
         "C",
         u"0.1 \u00B0C"},  // UTF-8 degree sign
        {"0.1 \xB0"
         "C",
         u"0.1 \u00B0C"},  // a code-page degree sign
        {"\xE6\xB8\xA9 Th\xC3\xA9rmo", u"\u6E29 Th\u00E9rmo"},
        {"\xF0\x9F\x8C\xA1", u"\xD83C\xDF21"},  // beyond the BMP: a surrogate pair
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16Text(c.text), c.wide) << c.text;
}

TEST(TextEncoding, JsonEscapesEveryControlCharacterAndStaysAscii) {
    const struct {
        std::string text, json;
    } cases[] = {
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"tab\there\r\n", "\"tab\\u0009here\\u000d\\u000a\""},
        {"\"\x7F\"", "\"\\\"\\u007f\\\"\""},
        {"\x81", "\"\\u0081\""},                     // a C1 control as Latin-1
        {"\xC3\xA9", "\"\\u00e9\""},                 // UTF-8 e acute
        {"\xE6\xB8\xA9", "\"\\u6e29\""},             // a CJK character
        {"\xF0\x9F\x8C\xA1", "\"\\ud83c\\udf21\""},  // beyond the BMP: a surrogate pair
    };
    for (const auto& c : cases) EXPECT_EQ(JsonString(c.text), c.json) << c.text;
}

TEST(TextEncoding, CsvQuotesAfterRfc4180) {
    EXPECT_EQ(CsvField("tick"), "tick");
    EXPECT_EQ(CsvField(" 21.5"), " 21.5");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("\"F\"       70"), "\"\"\"F\"\"       70\"");
    EXPECT_EQ(CsvField("line\r\nbreak"), "\"line\r\nbreak\"");
    EXPECT_EQ(CsvField("\"\x7F\""), "\"\"\"\x7F\"\"\"");
}

TEST(TextEncoding, VisibleTextShowsControlCharactersAsEscapes) {
    EXPECT_EQ(VisibleText("\"\x7F\"  127"), "\"\\x7F\"  127");
    EXPECT_EQ(VisibleText("bell\x07 and\tline\n"), "bell\\x07 and\tline\n");
}

}  // namespace
}  // namespace varnolux
