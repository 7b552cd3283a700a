#include "script/script_steps.h"

#include <cstdlib>
#include <sstream>

#include "link/modify/text.h"
#include "script/script_literal.h"
#include "script/script_names.h"
#include "text/text_util.h"

namespace varnolux::script {

namespace {

// The line without its comment: "#" at the start of a word, outside quotes
// ("cmdBuf#3" names an element, "\"#\"" is a character).
std::string WithoutComment(const std::string& line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == '#' && !quoted && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    }
    return line;
}

size_t SkipBlanks(const std::string& s, size_t pos) {
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
    return pos;
}

// The word starting at `pos` (up to a blank or "=").
std::string WordAt(const std::string& s, size_t pos) {
    size_t end = pos;
    while (end < s.size() && s[end] != ' ' && s[end] != '\t' && s[end] != '=') ++end;
    return s.substr(pos, end - pos);
}

bool ReadCount(const std::string& word, long& n) {
    if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos ||
        word.size() > 9)
        return false;
    n = std::atol(word.c_str());
    return true;
}

bool ReadSeconds(const std::string& word, double& s) {
    char* end = nullptr;
    s = std::strtod(word.c_str(), &end);
    return !word.empty() && end && *end == '\0' && s > 0 && s <= 86400;
}

class LineParser {
  public:
    LineParser(const std::string& line, int number, const ScriptContext& c, ScriptError& e)
        : s_(line), number_(number), c_(c), e_(e) {}

    bool Fail(size_t pos, const std::string& message) {
        e_ = ScriptError{number_, pos + 1, message};
        return false;
    }

    bool Parse(size_t pos, Step& step) {
        const std::string word = WordAt(s_, pos);
        const size_t rest = SkipBlanks(s_, pos + word.size());
        if (word == "wait") return Wait(rest, step);
        if (word == "expect") return Expect(rest, step);
        if (word == "set") return Set(rest, step);
        if (word == "continue" || word == "reset") {
            step.kind = word == "continue" ? StepKind::Continue : StepKind::Reset;
            if (rest < s_.size()) return Fail(rest, word + " takes nothing after it");
            if (step.kind == StepKind::Reset && c_.core == 14)
                return Fail(pos, "reset: an enhanced mid-range (core 14) target cannot be reset");
            return true;
        }
        return Fail(pos, "unknown step \"" + word + "\" (wait, expect, set, continue, reset)");
    }

  private:
    bool DumpPoint(size_t pos, const std::string& idText, Step& step) {
        long id = 0;
        if (!ReadCount(idText, id) || id < 1 || id > 255)
            return Fail(pos, "wait needs a DumpID from 1 to 255");
        if (c_.dumpPoints.entries[static_cast<size_t>(id)].line == 0)
            return Fail(pos, "the program has no dump point " + idText);
        step.dumpId = static_cast<int32_t>(id);
        return true;
    }

    // "wait until EXPR [at ID] [timeout S]": the expression runs up to the
    // first " at " or " timeout " that stands as a word of its own.
    bool WaitUntil(size_t pos, Step& step) {
        step.until = true;
        size_t end = s_.size();
        for (const char* key : {" at ", " timeout "}) {
            const size_t found = s_.find(key, pos);
            if (found != std::string::npos && found < end) end = found;
        }
        const std::string text = s_.substr(pos, end - pos);
        if (TrimBlanks(text).empty()) return Fail(pos, "wait until needs an expression");
        ParseError pe;
        if (!ParseExpression(text, c_.records, step.expr, pe))
            return Fail(pos + pe.column - 1, pe.message);
        if (step.expr.Kind() != ValueKind::Bool) return Fail(pos, "wait until needs a comparison");
        pos = SkipBlanks(s_, end);
        while (pos < s_.size()) {
            const std::string key = WordAt(s_, pos);
            const size_t at = SkipBlanks(s_, pos + key.size());
            const std::string value = WordAt(s_, at);
            if (key == "at") {
                if (!DumpPoint(at, value, step)) return false;
            } else if (key == "timeout") {
                if (!ReadSeconds(value, step.timeoutS))
                    return Fail(at, "timeout needs seconds, more than 0");
            } else {
                return Fail(
                    pos, "wait until takes \"at ID\" and \"timeout SECONDS\", not \"" + key + "\"");
            }
            pos = SkipBlanks(s_, at + value.size());
        }
        return true;
    }

    bool Wait(size_t pos, Step& step) {
        step.kind = StepKind::Wait;
        const std::string idText = WordAt(s_, pos);
        if (idText == "until") return WaitUntil(SkipBlanks(s_, pos + idText.size()), step);
        if (!DumpPoint(pos, idText, step)) return false;
        pos = SkipBlanks(s_, pos + idText.size());
        while (pos < s_.size()) {
            const std::string key = WordAt(s_, pos);
            const size_t at = SkipBlanks(s_, pos + key.size());
            const std::string value = WordAt(s_, at);
            if (key == "count") {
                if (!ReadCount(value, step.count) || step.count < 1)
                    return Fail(at, "count needs a number of arrivals, 1 or more");
            } else if (key == "timeout") {
                if (!ReadSeconds(value, step.timeoutS))
                    return Fail(at, "timeout needs seconds, more than 0");
            } else {
                return Fail(pos,
                            "wait takes \"count N\" and \"timeout SECONDS\", not \"" + key + "\"");
            }
            pos = SkipBlanks(s_, at + value.size());
        }
        return true;
    }

    bool Expect(size_t pos, Step& step) {
        step.kind = StepKind::Expect;
        if (pos >= s_.size()) return Fail(pos, "expect needs an expression");
        ParseError pe;
        if (!ParseExpression(s_.substr(pos), c_.records, step.expr, pe))
            return Fail(pos + pe.column - 1, pe.message);
        if (step.expr.Kind() != ValueKind::Bool)
            return Fail(pos, "expect needs a comparison, not " +
                                 std::string(step.expr.Kind() == ValueKind::Float ? "a float"
                                                                                  : "an integer"));
        return true;
    }

    bool Set(size_t pos, Step& step) {
        step.kind = StepKind::Set;
        if (c_.core == 14) return Fail(pos, "set: variables of a core 14 target cannot be written");
        const std::string name = WordAt(s_, pos);
        if (name.empty()) return Fail(pos, "set needs NAME = VALUE");
        const size_t eq = SkipBlanks(s_, pos + name.size());
        if (eq >= s_.size() || s_[eq] != '=') return Fail(eq, "\"=\" is missing");
        const size_t valueAt = SkipBlanks(s_, eq + 1);
        if (valueAt >= s_.size()) return Fail(valueAt, "a value is missing");
        const int32_t index = FindRecord(c_.records, name);
        if (index < 0) return Fail(pos, UnknownVariable(c_.records, name));
        const MyVarRecord& r = c_.records[static_cast<size_t>(index)];
        if (r.VarRecordType == RT_ARRAY)
            return Fail(pos, name + " is an array and cannot be written; name an element");
        size_t end = s_.size();
        while (end > valueAt && (s_[end - 1] == ' ' || s_[end - 1] == '\t')) --end;
        step.valueText = s_.substr(valueAt, end - valueAt);
        if (!ModifyValueFits(r.VarType, ReadModifyText(step.valueText)))
            return Fail(valueAt, RefusedValue(r, step.valueText));
        step.record = index;
        return true;
    }

    // Why a value does not fit: the variable's range for an integer, else the
    // Modify window's own words.
    static std::string RefusedValue(const MyVarRecord& record, const std::string& text) {
        size_t at = 0;
        Value value;
        ParseError unused;
        const bool negative = text.size() > 1 && text[0] == '-';
        if (negative) at = 1;
        const ValueRange range = TypeRange(record.VarType);
        if (range.known && ReadLiteral(text, at, value, unused) && at == text.size() &&
            value.kind == ValueKind::Int)
            return OutOfRange(record, negative ? -value.i : value.i);
        return "Invalid value";
    }

    const std::string& s_;
    int number_;
    const ScriptContext& c_;
    ScriptError& e_;
};

}  // namespace

bool ParseScript(const std::string& text, const ScriptContext& context, std::vector<Step>& steps,
                 ScriptError& error) {
    steps.clear();
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::string line = WithoutComment(raw);
        size_t end = line.size();
        while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
        line.resize(end);
        const size_t start = SkipBlanks(line, 0);
        if (start >= line.size()) continue;
        Step step;
        step.line = number;
        step.text = line.substr(start);
        LineParser parser(line, number, context, error);
        if (!parser.Parse(start, step)) return false;
        steps.push_back(std::move(step));
    }
    if (steps.empty()) {
        error = ScriptError{number == 0 ? 1 : number, 1, "the script has no steps"};
        return false;
    }
    return true;
}

}  // namespace varnolux::script
