// The script's expressions: every operator on signed, unsigned and float
// variables, array elements and bits, changed and prev, and the errors.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "script/script_expr.h"
#include "script/script_steps.h"
#include "support/make_record.h"

namespace varnolux::script {
namespace {

MyVarRecord Rec(const char* label, int32_t type, int32_t recordType = RT_VARIABLE) {
    return MakeRecord(label, type, 0, 1, recordType);
}

uint32_t Bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

struct Fixture : ::testing::Test {
    VarTable records{Rec("tick", VT_WORD),
                     Rec("trim", VT_SBYTE),
                     Rec("diff", VT_SWORD),
                     Rec("drift", VT_SDWORD),
                     Rec("gain", VT_FLOAT),
                     Rec("heating", VT_BIT),
                     Rec("cmdBuf", VT_BYTE, RT_ARRAY),
                     Rec("cmdBuf#1", VT_BYTE, RT_SUBSCRIPT),
                     Rec("uptime", VT_DWORD)};
    DumpValues dump;
    void SetUp() override {
        dump.DumpId = 5;
        auto put = [&](uint32_t v, uint32_t prev) {
            dump.records.push_back({v, prev, true, true});
        };
        put(1000, 990);               // tick
        put(0xFE, 0xFE);              // trim -2
        put(0xFFF6, 0x0005);          // diff -10, was 5
        put(0xFFFFFC18, 0);           // drift -1000
        put(Bits(1.5f), Bits(0.5f));  // gain
        put(1, 0);                    // heating
        put(0, 0);                    // cmdBuf
        put('A', 'A');                // cmdBuf#1
        put(4000000000u, 0);          // uptime
    }
    EvalResult Eval(const std::string& text) {
        Expression e;
        ParseError error;
        EXPECT_TRUE(ParseExpression(text, records, e, error)) << text << ": " << error.message;
        return Evaluate(e, records, dump);
    }
};

TEST_F(Fixture, EveryOperatorOnEveryKindOfVariable) {
    const struct {
        const char* text;
        bool holds;
    } cases[] = {
        {"tick == 1000", true},
        {"tick != 1000", false},
        {"tick <> 999", true},
        {"tick = 1000", true},
        {"tick > 999 && tick < 1001", true},
        {"tick >= 1000 && tick <= 1000", true},
        {"trim == -2", true},
        {"trim < 0", true},
        {"diff == -10", true},
        {"drift == -1000", true},
        {"uptime == 4000000000", true},
        {"uptime > drift", true},
        {"gain == 1.5", true},
        {"gain > 1", true},
        {"gain * 2 == 3", true},
        {"gain / 2 == 0.75", true},
        {"gain - 1.5 == 0.0", true},
        {"gain + 1 == 2.5", true},
        {"tick + 1 == 1001", true},
        {"tick - 1001 == -1", true},
        {"tick * 3 == 3000", true},
        {"tick / 3 == 333", true},
        {"tick % 3 == 1", true},
        {"-tick == -1000", true},
        {"trim / 2 == -1", true},
        {"trim % 3 == -2", true},
        {"heating == 1", true},
        {"heating == 0", false},
        {"!(heating == 0)", true},
        {"cmdBuf#1 == \"A\"", true},
        {"cmdBuf#1 == $41", true},
        {"cmdBuf#1 == %01000001", true},
        {"cmdBuf#1 == 65.0", true},
        {"1e3 == tick", true},
        {"tick == 1 || trim == -2", true},
        {"tick == 1 || trim == 2", false},
        {"(tick + 24) / 8 == 128", true},
        {"tick + 24 / 8 == 1003", true},
        {"changed(tick)", true},
        {"changed(trim)", false},
        {"!changed(trim)", true},
        {"prev(tick) == 990", true},
        {"prev(diff) == 5", true},
        {"prev(gain) == 0.5", true},
        {"tick - prev(tick) == 10", true},
    };
    for (const auto& c : cases) {
        const EvalResult r = Eval(c.text);
        ASSERT_TRUE(r.ok) << c.text << ": " << r.error;
        EXPECT_EQ(r.value.b, c.holds) << c.text;
    }
}

// BASIC's spellings, as the program's own source writes them, give what the
// C-like ones give; names are found in any case.
TEST_F(Fixture, BasicSpellingsMeanWhatTheCLikeOnesMean) {
    const struct {
        const char* basic;
        const char* c;
    } cases[] = {
        {"tick = 1000 And trim <> -2", "tick == 1000 && trim != -2"},
        {"tick = 1 OR trim = -2", "tick == 1 || trim == -2"},
        {"NOT tick = 1000", "!(tick == 1000)"},
        {"not changed(trim) and Changed(tick)", "!changed(trim) && changed(tick)"},
        {"tick = 1000 xor heating = 1",
         "tick == 1000 && heating != 1 || tick != 1000 && heating == 1"},
        {"tick = 1000 Xor heating = 0", "tick == 1000 || heating == 0"},
        {"TICK = 1000 and HeAtInG = 1", "tick == 1000 && heating == 1"},
        {"PREV(Tick) = 990", "prev(tick) == 990"},
        {"(tick And $FF) = $E8", "tick % 256 == 232"},
        {"(tick Or 1) = 1001", "tick + 1 == 1001"},
        {"(tick Xor 8) = 992", "tick - 8 == 992"},
        {"(Not trim) = 1", "-trim - 1 == 1"},
    };
    for (const auto& c : cases) {
        const EvalResult basic = Eval(c.basic), cLike = Eval(c.c);
        ASSERT_TRUE(basic.ok && cLike.ok) << c.basic << ": " << basic.error;
        EXPECT_EQ(basic.value.b, cLike.value.b) << c.basic;
    }
    records.push_back(Rec("Orange", VT_BYTE));
    dump.records.push_back({7, 7, true, true});
    EXPECT_TRUE(Eval("orange = 7 and Orange = 7").value.b);  // a word operator needs a word's end
}

TEST_F(Fixture, ErrorsAtRunTimeAreReportedNotThrown) {
    EXPECT_EQ(Eval("tick / 0 == 1").error, "division by zero");
    EXPECT_EQ(Eval("tick % (trim + 2) == 1").error, "division by zero");
    EXPECT_EQ(Eval("gain / 0.0 == 1").error, "division by zero");
    EXPECT_TRUE(Eval("tick == 1 && tick / 0 == 1").ok);  // the left side decides
    dump.records[0].previousInit = false;
    EXPECT_EQ(Eval("changed(tick)").error, "tick has no previous value yet");
    dump.records[0].valueInit = false;
    EXPECT_EQ(Eval("tick == 0").error, "tick has no value yet");
}

TEST_F(Fixture, NamesTypesAndSyntaxAreCheckedWithTheirColumn) {
    const struct {
        const char* text;
        size_t column;
        const char* message;
    } cases[] = {
        {"tick == nosuch", 9, "unknown variable \"nosuch\""},
        {"tik = 1", 1, "unknown variable \"tik\" (did you mean tick?)"},
        {"tirm = 1 And dift = 2", 1, "unknown variable \"tirm\" (did you mean trim?)"},
        {"drit = 2", 1, "unknown variable \"drit\" (did you mean drift?)"},
        {"trim = 200", 8, "200 is outside trim's range -128 to 127"},
        {"-300 < trim", 1, "-300 is outside trim's range -128 to 127"},
        {"heating <> 2", 12, "2 is outside heating's range 0 to 1"},
        {"tick = 1 And gain", 10, "And needs comparisons on both sides, or integers on both"},
        {"Not gain", 1, "Not needs a truth value or an integer"},
        {"cmdBuf == 1", 1, "cmdBuf is an array; name an element, cmdBuf#0"},
        {"tick == 1 && tick", 11, "&& needs comparisons on both sides"},
        {"(tick == 1) + 2 == 3", 13, "\"+\" needs numbers, not truth values"},
        {"gain % 2 == 1", 6, "\"%\" needs integers"},
        {"!tick", 1, "\"!\" needs a truth value"},
        {"(tick == 1) == (trim == 2)", 13, "\"==\" compares numbers, not truth values"},
        {"tick == (1", 11, "\")\" is missing"},
        {"tick ==", 8, "a value is missing"},
        {"tick == 1 )", 11, "unexpected \")\""},
        {"tick == 12ab", 11, "unexpected \"a\" after a number"},
        {"tick == $", 9, "hexadecimal digits are missing"},
        {"changed tick", 9, "\"(\" is missing after changed"},
    };
    for (const auto& c : cases) {
        Expression e;
        ParseError error;
        EXPECT_FALSE(ParseExpression(c.text, records, e, error)) << c.text;
        EXPECT_EQ(error.column, c.column) << c.text;
        EXPECT_EQ(error.message, c.message) << c.text;
    }
}

TEST_F(Fixture, NestingAndOperatorsAreBoundedAndTheFirstOneTooManyNamed) {
    const auto times = [](const char* s, int n) {
        std::string r;
        while (n-- > 0) r += s;
        return r;
    };
    // Each kind of nesting: 64 levels are taken, the 65th is refused where it opens.
    const struct {
        std::function<std::string(int)> text;
        size_t column65;
    } kinds[] = {
        {[&](int n) { return times("(", n) + "tick == 1" + times(")", n); }, 65},
        {[&](int n) { return times("- ", n) + "1 == 1"; }, 129},
        {[&](int n) { return times("Not ", n) + "tick == 1"; }, 257},
        {[&](int n) { return times("!", n - 1) + "changed(tick)"; }, 65},
    };
    for (const auto& k : kinds) {
        Expression e;
        ParseError error;
        EXPECT_TRUE(ParseExpression(k.text(64), records, e, error)) << k.text(64);
        EXPECT_FALSE(ParseExpression(k.text(65), records, e, error));
        EXPECT_EQ(error.column, k.column65) << k.text(65);
        EXPECT_EQ(error.message, "nested deeper than 64 levels");
    }
    // 1024 operators in a row are taken and evaluated; the 1025th is refused.
    EXPECT_EQ(Eval("1" + times("+1", 1024)).value.i, 1025);
    Expression e;
    ParseError error;
    EXPECT_FALSE(ParseExpression("1" + times("+1", 1025), records, e, error));
    EXPECT_EQ(error.column, 2050u);
    EXPECT_EQ(error.message, "more than 1024 operators");
}

TEST_F(Fixture, ScriptStepsAreCheckedLineByLine) {
    DumpPointTable points;
    points.entries[5].line = 10;
    points.entries[5].kind = 1;
    const ScriptContext context{records, points, 16};
    std::vector<Step> steps;
    ScriptError error;
    ASSERT_TRUE(
        ParseScript("# header\n\nwait 5 count 3 timeout 2.5  # held\nexpect cmdBuf#1 == \"#\"\n"
                    "set trim = -1\nset cmdBuf#1 = $FF\ncontinue\nreset\n"
                    "wait until TICK > 5 and Heating = 1 at 5 timeout 3\nset TRIM = 2\n",
                    context, steps, error))
        << error.message;
    ASSERT_EQ(steps.size(), 8u);
    EXPECT_TRUE(steps[6].until);
    EXPECT_EQ(steps[6].dumpId, 5);
    EXPECT_DOUBLE_EQ(steps[6].timeoutS, 3);
    EXPECT_EQ(steps[7].record, 1);
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[0].count, 3);
    EXPECT_DOUBLE_EQ(steps[0].timeoutS, 2.5);
    EXPECT_EQ(steps[1].text, "expect cmdBuf#1 == \"#\"");
    EXPECT_EQ(steps[2].record, 1);
    EXPECT_EQ(steps[3].valueText, "$FF");

    const struct {
        const char* text;
        int line;
        size_t column;
        const char* message;
    } bad[] = {
        {"wait 6", 1, 6, "the program has no dump point 6"},
        {"wait 5 count 0", 1, 14, "count needs a number of arrivals, 1 or more"},
        {"wait 5\nexpect tick", 2, 8, "expect needs a comparison, not an integer"},
        {"set trim = 128", 1, 12, "128 is outside trim's range -128 to 127"},
        {"set heating = 2", 1, 15, "2 is outside heating's range 0 to 1"},
        {"set Trimm = 1", 1, 5, "unknown variable \"Trimm\" (did you mean trim?)"},
        {"wait until tick > 5 at 6", 1, 24, "the program has no dump point 6"},
        {"wait until tick + 1", 1, 12, "wait until needs a comparison"},
        {"wait until", 1, 11, "wait until needs an expression"},
        {"set cmdBuf = 1", 1, 5, "cmdBuf is an array and cannot be written; name an element"},
        {"set tick 5", 1, 10, "\"=\" is missing"},
        {"hold 5", 1, 1, "unknown step \"hold\" (wait, expect, set, continue, reset)"},
        {"continue now", 1, 10, "continue takes nothing after it"},
        {"# nothing\n", 1, 1, "the script has no steps"},
    };
    for (const auto& c : bad) {
        EXPECT_FALSE(ParseScript(c.text, context, steps, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.column, c.column) << c.text;
        EXPECT_EQ(error.message, c.message) << c.text;
    }
    const ScriptContext core14{records, points, 14};
    EXPECT_FALSE(ParseScript("reset\n", core14, steps, error));
    EXPECT_FALSE(ParseScript("set tick = 1\n", core14, steps, error));
}

}  // namespace
}  // namespace varnolux::script
