#include "rules/log_template.h"

namespace varnolux::rules {

bool LogTemplate::Parse(const std::string& text, const VarTable& records,
                        script::ParseError& error) {
    pieces_.clear();
    std::string literal;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            literal += c;
            ++i;
            continue;
        }
        if (c == '}') {
            error = script::ParseError{i + 1, "\"}\" without \"{\" (write }} for a brace)"};
            return false;
        }
        if (c != '{') {
            literal += c;
            continue;
        }
        const size_t close = text.find('}', i + 1);
        if (close == std::string::npos) {
            error = script::ParseError{i + 1, "\"{\" without \"}\""};
            return false;
        }
        Piece value;
        value.isValue = true;
        script::ParseError inner;
        if (!script::ParseExpression(text.substr(i + 1, close - i - 1), records, value.value,
                                     inner)) {
            error = script::ParseError{i + 1 + inner.column, inner.message};
            return false;
        }
        if (!literal.empty()) pieces_.push_back(Piece{literal, false, {}});
        literal.clear();
        pieces_.push_back(std::move(value));
        i = close;
    }
    if (!literal.empty()) pieces_.push_back(Piece{literal, false, {}});
    return true;
}

bool LogTemplate::Render(const VarTable& records, const script::DumpValues& dump, std::string& line,
                         std::string& error) const {
    line.clear();
    for (const Piece& p : pieces_) {
        if (!p.isValue) {
            line += p.text;
            continue;
        }
        const script::EvalResult r = script::Evaluate(p.value, records, dump);
        if (!r.ok) {
            error = r.error;
            return false;
        }
        line += script::ValueText(r.value);
    }
    return true;
}

}  // namespace varnolux::rules
