#include "script/script_expr.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "vars/value_decode.h"
#include "vars/value_format.h"

namespace varnolux::script {

enum class Op {
    Literal,
    Var,
    Prev,
    Changed,
    Neg,
    Not,
    Add,
    Sub,
    Mul,
    Div,
    Mod,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    And,
    Or
};

struct Node {
    Op op = Op::Literal;
    ValueKind kind = ValueKind::Int;
    Value literal;
    int32_t record = -1;
    std::unique_ptr<Node> left, right;
};

Expression::Expression() = default;
Expression::~Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;

ValueKind Expression::Kind() const {
    return root ? root->kind : ValueKind::Int;
}

namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '#';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Parser {
  public:
    Parser(const std::string& text, const VarTable& records, std::vector<int32_t>& names)
        : t_(text), records_(records), names_(names) {}

    std::unique_ptr<Node> Parse() {
        auto n = Or();
        if (n && (Skip(), pos_ < t_.size()))
            return Fail(pos_, "unexpected \"" + t_.substr(pos_, 1) + "\"");
        return n;
    }
    ParseError error;

  private:
    std::unique_ptr<Node> Fail(size_t at, const std::string& message) {
        if (error.message.empty()) error = ParseError{at + 1, message};
        return nullptr;
    }
    void Skip() {
        while (pos_ < t_.size() && (t_[pos_] == ' ' || t_[pos_] == '\t')) ++pos_;
    }
    bool Take(const char* s) {
        Skip();
        const std::string token(s);
        if (t_.compare(pos_, token.size(), token) != 0) return false;
        pos_ += token.size();
        return true;
    }
    static std::unique_ptr<Node> Make(Op op, ValueKind kind, std::unique_ptr<Node> l,
                                      std::unique_ptr<Node> r = nullptr) {
        auto n = std::make_unique<Node>();
        n->op = op;
        n->kind = kind;
        n->left = std::move(l);
        n->right = std::move(r);
        return n;
    }

    std::unique_ptr<Node> Logic(Op op, std::unique_ptr<Node> l, size_t at,
                                std::unique_ptr<Node> (Parser::*next)()) {
        auto r = (this->*next)();
        if (!r) return nullptr;
        if (l->kind != ValueKind::Bool || r->kind != ValueKind::Bool)
            return Fail(
                at, std::string(op == Op::And ? "&&" : "||") + " needs comparisons on both sides");
        return Make(op, ValueKind::Bool, std::move(l), std::move(r));
    }
    std::unique_ptr<Node> Or() {
        auto l = And();
        while (l) {
            Skip();
            const size_t at = pos_;
            if (!Take("||")) break;
            l = Logic(Op::Or, std::move(l), at, &Parser::And);
        }
        return l;
    }
    std::unique_ptr<Node> And() {
        auto l = Compare();
        while (l) {
            Skip();
            const size_t at = pos_;
            if (!Take("&&")) break;
            l = Logic(Op::And, std::move(l), at, &Parser::Compare);
        }
        return l;
    }
    std::unique_ptr<Node> Compare() {
        auto l = Sum();
        if (!l) return nullptr;
        Skip();
        const size_t at = pos_;
        static const std::pair<const char*, Op> kOps[] = {
            {"==", Op::Eq}, {"!=", Op::Ne}, {"<>", Op::Ne}, {"<=", Op::Le},
            {">=", Op::Ge}, {"<", Op::Lt},  {">", Op::Gt},  {"=", Op::Eq}};
        for (const auto& [text, op] : kOps) {
            if (!Take(text)) continue;
            auto r = Sum();
            if (!r) return nullptr;
            if (l->kind == ValueKind::Bool || r->kind == ValueKind::Bool)
                return Fail(at, std::string("\"") + text + "\" compares numbers, not truth values");
            return Make(op, ValueKind::Bool, std::move(l), std::move(r));
        }
        return l;
    }
    std::unique_ptr<Node> Arith(Op op, std::unique_ptr<Node> l, std::unique_ptr<Node> r, size_t at,
                                char symbol) {
        if (l->kind == ValueKind::Bool || r->kind == ValueKind::Bool)
            return Fail(at, std::string("\"") + symbol + "\" needs numbers, not truth values");
        const bool isFloat = l->kind == ValueKind::Float || r->kind == ValueKind::Float;
        if (op == Op::Mod && isFloat) return Fail(at, "\"%\" needs integers");
        return Make(op, isFloat ? ValueKind::Float : ValueKind::Int, std::move(l), std::move(r));
    }
    std::unique_ptr<Node> Sum() {
        auto l = Product();
        while (l) {
            Skip();
            const size_t at = pos_;
            if (pos_ >= t_.size() || (t_[pos_] != '+' && t_[pos_] != '-')) break;
            const char symbol = t_[pos_++];
            auto r = Product();
            if (!r) return nullptr;
            l = Arith(symbol == '+' ? Op::Add : Op::Sub, std::move(l), std::move(r), at, symbol);
        }
        return l;
    }
    std::unique_ptr<Node> Product() {
        auto l = Unary();
        while (l) {
            Skip();
            const size_t at = pos_;
            if (pos_ >= t_.size() || (t_[pos_] != '*' && t_[pos_] != '/' && t_[pos_] != '%')) break;
            const char symbol = t_[pos_++];
            auto r = Unary();
            if (!r) return nullptr;
            const Op op = symbol == '*' ? Op::Mul : symbol == '/' ? Op::Div : Op::Mod;
            l = Arith(op, std::move(l), std::move(r), at, symbol);
        }
        return l;
    }
    std::unique_ptr<Node> Unary() {
        Skip();
        const size_t at = pos_;
        if (Take("!")) {
            auto n = Unary();
            if (!n) return nullptr;
            if (n->kind != ValueKind::Bool) return Fail(at, "\"!\" needs a truth value");
            return Make(Op::Not, ValueKind::Bool, std::move(n));
        }
        if (Take("-")) {
            auto n = Unary();
            if (!n) return nullptr;
            if (n->kind == ValueKind::Bool) return Fail(at, "\"-\" needs a number");
            const ValueKind kind = n->kind;
            return Make(Op::Neg, kind, std::move(n));
        }
        return Primary();
    }
    std::unique_ptr<Node> Primary() {
        Skip();
        const size_t at = pos_;
        if (pos_ >= t_.size()) return Fail(at, "a value is missing");
        const char c = t_[pos_];
        if (c == '(') {
            ++pos_;
            auto n = Or();
            if (!n) return nullptr;
            if (!Take(")")) return Fail(pos_, "\")\" is missing");
            return n;
        }
        if (IsDigit(c) || c == '.' || c == '%' || c == '$' || c == '"') return Literal();
        if (!IsNameStart(c)) return Fail(at, "unexpected \"" + t_.substr(at, 1) + "\"");
        size_t end = pos_;
        while (end < t_.size() && IsNameChar(t_[end])) ++end;
        const std::string name = t_.substr(pos_, end - pos_);
        pos_ = end;
        if (name == "changed" || name == "prev") {
            if (!Take("(")) return Fail(pos_, "\"(\" is missing after " + name);
            Skip();
            const size_t nameAt = pos_;
            auto v = Variable(nameAt);
            if (!v) return nullptr;
            if (!Take(")")) return Fail(pos_, "\")\" is missing");
            v->op = name == "changed" ? Op::Changed : Op::Prev;
            if (v->op == Op::Changed) v->kind = ValueKind::Bool;
            return v;
        }
        pos_ = at;
        return Variable(at);
    }
    std::unique_ptr<Node> Variable(size_t at) {
        size_t end = pos_;
        while (end < t_.size() && IsNameChar(t_[end])) ++end;
        const std::string name = t_.substr(pos_, end - pos_);
        if (name.empty() || !IsNameStart(name[0])) return Fail(at, "a variable name is missing");
        pos_ = end;
        for (size_t i = 0; i < records_.size(); ++i) {
            const MyVarRecord& r = records_[i];
            if (r.VarLabel != name) continue;
            if (r.VarRecordType == RT_ARRAY)
                return Fail(at, name + " is an array; name an element, " + name + "#0");
            if (r.VarType < VT_BIT || r.VarType > VT_FLOAT)
                return Fail(at, name + " has no value a script can read");
            auto n =
                Make(Op::Var, r.VarType == VT_FLOAT ? ValueKind::Float : ValueKind::Int, nullptr);
            n->record = static_cast<int32_t>(i);
            bool known = false;
            for (int32_t k : names_) known = known || k == n->record;
            if (!known) names_.push_back(n->record);
            return n;
        }
        return Fail(at, "unknown variable \"" + name + "\"");
    }
    std::unique_ptr<Node> Literal() {
        const size_t at = pos_;
        auto n = std::make_unique<Node>();
        n->op = Op::Literal;
        const char c = t_[pos_];
        if (c == '"') {
            if (pos_ + 2 >= t_.size() || t_[pos_ + 2] != '"')
                return Fail(at, "a character is written \"A\"");
            n->literal.i = static_cast<unsigned char>(t_[pos_ + 1]);
            pos_ += 3;
            return n;
        }
        if (c == '%' || c == '$') {
            const int base = c == '%' ? 2 : 16;
            size_t end = pos_ + 1;
            uint64_t v = 0;
            for (; end < t_.size(); ++end) {
                const char d = t_[end];
                int digit = IsDigit(d)               ? d - '0'
                            : (d >= 'A' && d <= 'F') ? d - 'A' + 10
                            : (d >= 'a' && d <= 'f') ? d - 'a' + 10
                                                     : 99;
                if (digit >= base) break;
                v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
                if (v > 0xFFFFFFFFull) return Fail(at, "the number is too big");
            }
            if (end == pos_ + 1)
                return Fail(
                    at, std::string(c == '%' ? "binary" : "hexadecimal") + " digits are missing");
            n->literal.i = static_cast<int64_t>(v);
            pos_ = end;
            return n;
        }
        size_t end = pos_;
        while (end < t_.size() && IsDigit(t_[end])) ++end;
        bool isFloat = false;
        if (end < t_.size() && t_[end] == '.') {
            isFloat = true;
            ++end;
            while (end < t_.size() && IsDigit(t_[end])) ++end;
        }
        if (end < t_.size() && (t_[end] == 'e' || t_[end] == 'E')) {
            size_t e = end + 1;
            if (e < t_.size() && (t_[e] == '+' || t_[e] == '-')) ++e;
            if (e < t_.size() && IsDigit(t_[e])) {
                isFloat = true;
                end = e;
                while (end < t_.size() && IsDigit(t_[end])) ++end;
            }
        }
        const std::string text = t_.substr(pos_, end - pos_);
        if (text == ".") return Fail(at, "unexpected \".\"");
        if (end < t_.size() && IsNameChar(t_[end]))
            return Fail(end, "unexpected \"" + t_.substr(end, 1) + "\" after a number");
        pos_ = end;
        if (isFloat) {
            n->kind = ValueKind::Float;
            n->literal.kind = ValueKind::Float;
            n->literal.f = std::strtod(text.c_str(), nullptr);
            return n;
        }
        if (text.size() > 12) return Fail(at, "the number is too big");
        n->literal.i = std::strtoll(text.c_str(), nullptr, 10);
        return n;
    }

    const std::string& t_;
    const VarTable& records_;
    std::vector<int32_t>& names_;
    size_t pos_ = 0;
};

double AsFloat(const Value& v) {
    return v.kind == ValueKind::Float ? v.f : static_cast<double>(v.i);
}

Value Int(int64_t i) {
    Value v;
    v.i = i;
    return v;
}
Value Float(double f) {
    Value v;
    v.kind = ValueKind::Float;
    v.f = f;
    return v;
}
Value Bool(bool b) {
    Value v;
    v.kind = ValueKind::Bool;
    v.b = b;
    return v;
}

// Integer arithmetic wraps as 64-bit two's complement rather than overflowing.
int64_t Wrap(uint64_t u) {
    return static_cast<int64_t>(u);
}

struct Evaluator {
    const VarTable& records;
    const DumpValues& dump;
    std::string error;

    const RecordValues* Values(int32_t index) {
        if (index < 0 || static_cast<size_t>(index) >= dump.records.size()) {
            error = "no dump yet";
            return nullptr;
        }
        return &dump.records[static_cast<size_t>(index)];
    }

    bool Eval(const Node& n, Value& out) {
        const MyVarRecord* r = n.record >= 0 ? &records[static_cast<size_t>(n.record)] : nullptr;
        switch (n.op) {
            case Op::Literal:
                out = n.literal;
                return true;
            case Op::Var: {
                const RecordValues* v = Values(n.record);
                if (!v) return false;
                if (!v->valueInit) return (error = r->VarLabel + " has no value yet"), false;
                out = RecordValue(*r, v->value);
                return true;
            }
            case Op::Prev:
            case Op::Changed: {
                const RecordValues* v = Values(n.record);
                if (!v) return false;
                if (!v->valueInit || !v->previousInit)
                    return (error = r->VarLabel + " has no previous value yet"), false;
                out =
                    n.op == Op::Prev ? RecordValue(*r, v->previous) : Bool(v->value != v->previous);
                return true;
            }
            default:
                break;
        }
        Value a, b;
        if (!Eval(*n.left, a)) return false;
        if (n.op == Op::Not) return (out = Bool(!a.b)), true;
        if (n.op == Op::Neg) {
            out = a.kind == ValueKind::Float ? Float(-a.f)
                                             : Int(Wrap(0u - static_cast<uint64_t>(a.i)));
            return true;
        }
        // && and || decide on the left side alone when they can.
        if (n.op == Op::And && !a.b) return (out = Bool(false)), true;
        if (n.op == Op::Or && a.b) return (out = Bool(true)), true;
        if (!Eval(*n.right, b)) return false;
        if (n.op == Op::And || n.op == Op::Or) return (out = Bool(b.b)), true;
        const bool isFloat = a.kind == ValueKind::Float || b.kind == ValueKind::Float;
        const double x = AsFloat(a), y = AsFloat(b);
        switch (n.op) {
            case Op::Eq:
                out = Bool(isFloat ? x == y : a.i == b.i);
                return true;
            case Op::Ne:
                out = Bool(isFloat ? x != y : a.i != b.i);
                return true;
            case Op::Lt:
                out = Bool(isFloat ? x < y : a.i < b.i);
                return true;
            case Op::Le:
                out = Bool(isFloat ? x <= y : a.i <= b.i);
                return true;
            case Op::Gt:
                out = Bool(isFloat ? x > y : a.i > b.i);
                return true;
            case Op::Ge:
                out = Bool(isFloat ? x >= y : a.i >= b.i);
                return true;
            default:
                break;
        }
        const uint64_t ua = static_cast<uint64_t>(a.i), ub = static_cast<uint64_t>(b.i);
        switch (n.op) {
            case Op::Add:
                out = isFloat ? Float(x + y) : Int(Wrap(ua + ub));
                return true;
            case Op::Sub:
                out = isFloat ? Float(x - y) : Int(Wrap(ua - ub));
                return true;
            case Op::Mul:
                out = isFloat ? Float(x * y) : Int(Wrap(ua * ub));
                return true;
            case Op::Div:
            case Op::Mod:
                if (isFloat ? y == 0.0 : b.i == 0) return (error = "division by zero"), false;
                if (isFloat) return (out = Float(x / y)), true;
                if (b.i == -1) {  // INT64_MIN / -1 would trap
                    out = n.op == Op::Div ? Int(Wrap(0u - ua)) : Int(0);
                    return true;
                }
                out = Int(n.op == Op::Div ? a.i / b.i : a.i % b.i);
                return true;
            default:
                return (error = "bad expression"), false;
        }
    }
};

}  // namespace

bool ParseExpression(const std::string& text, const VarTable& records, Expression& out,
                     ParseError& error) {
    out = Expression();
    Parser p(text, records, out.names_);
    out.root = p.Parse();
    if (out.root) return true;
    error = p.error;
    return false;
}

EvalResult Evaluate(const Expression& e, const VarTable& records, const DumpValues& dump) {
    EvalResult result;
    if (!e.root) return (result.error = "empty expression"), result;
    Evaluator ev{records, dump, {}};
    result.ok = ev.Eval(*e.root, result.value);
    result.error = ev.error;
    return result;
}

Value RecordValue(const MyVarRecord& record, uint32_t raw) {
    switch (record.VarType) {
        case VT_SBYTE:
            return Int(static_cast<int8_t>(raw & 0xFF));
        case VT_SWORD:
            return Int(static_cast<int16_t>(raw & 0xFFFF));
        case VT_SDWORD:
            return Int(static_cast<int32_t>(raw));
        case VT_FLOAT: {
            float f;
            static_assert(sizeof f == sizeof raw, "32-bit float");
            std::memcpy(&f, &raw, sizeof f);
            return Float(f);
        }
        default:
            return Int(raw);
    }
}

std::string ValueText(const Value& v) {
    switch (v.kind) {
        case ValueKind::Bool:
            return v.b ? "true" : "false";
        case ValueKind::Float: {
            const float f = static_cast<float>(v.f);
            return FloatText(FloatBits(f));
        }
        default:
            return std::to_string(v.i);
    }
}

}  // namespace varnolux::script
