// Parsing an expression: precedence climbing from || down to the literals
// and names, with the kinds of both sides checked at each operator. BASIC's
// words And, Or, Xor and Not (in any case) join truth values as && || and !
// do, and integers bit by bit.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "script/script_expr.h"
#include "script/script_literal.h"
#include "script/script_names.h"
#include "script/script_node.h"
#include "text/text_util.h"

namespace varnolux::script {

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

using Operators = std::initializer_list<std::pair<const char*, Op>>;

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
    using Level = std::unique_ptr<Node> (Parser::*)();

    std::unique_ptr<Node> Fail(size_t at, const std::string& message) {
        if (error.message.empty()) error = ParseError{at + 1, message};
        return nullptr;
    }
    // One nesting level more, opened at `at`; false (the error set) past the
    // limit. Leave() closes it.
    bool Deeper(size_t at) {
        if (++depth_ <= kMaxNesting) return true;
        Fail(at, "nested deeper than " + std::to_string(kMaxNesting) + " levels");
        return false;
    }
    void Leave() { --depth_; }
    // One binary operator more, at `at`; false (the error set) past the limit.
    bool Counted(size_t at) {
        if (++operators_ <= kMaxOperators) return true;
        Fail(at, "more than " + std::to_string(kMaxOperators) + " operators");
        return false;
    }
    void Skip() {
        while (pos_ < t_.size() && (t_[pos_] == ' ' || t_[pos_] == '\t')) ++pos_;
    }
    // Takes the symbol, or the word in any case when it stands alone.
    bool Take(const char* s) {
        Skip();
        const std::string token(s);
        if (IsNameStart(token[0])) {
            if (LowerCase(t_.substr(pos_, token.size())) != LowerCase(token)) return false;
            if (pos_ + token.size() < t_.size() && IsNameChar(t_[pos_ + token.size()]))
                return false;
        } else if (t_.compare(pos_, token.size(), token) != 0) {
            return false;
        }
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

    // A left-associative run of the operators, each side parsed by `next`.
    std::unique_ptr<Node> Chain(Operators ops, Level next) {
        auto l = (this->*next)();
        while (l) {
            Skip();
            const size_t at = pos_;
            const auto taken = std::find_if(ops.begin(), ops.end(),
                                            [this](const auto& o) { return Take(o.first); });
            if (taken == ops.end()) break;
            if (!Counted(at)) return nullptr;
            auto r = (this->*next)();
            if (!r) return nullptr;
            l = Join(taken->second, std::move(l), std::move(r), at, taken->first);
        }
        return l;
    }
    // && and || join truth values; And, Or and Xor truth values or integers;
    // arithmetic joins numbers, Float when either is.
    std::unique_ptr<Node> Join(Op op, std::unique_ptr<Node> l, std::unique_ptr<Node> r, size_t at,
                               const std::string& symbol) {
        if (IsNameStart(symbol[0])) {
            if (l->kind == ValueKind::Bool && r->kind == ValueKind::Bool)
                return Make(op, ValueKind::Bool, std::move(l), std::move(r));
            if (l->kind == ValueKind::Int && r->kind == ValueKind::Int)
                return Make(BitwiseOf(op), ValueKind::Int, std::move(l), std::move(r));
            return Fail(at, symbol + " needs comparisons on both sides, or integers on both");
        }
        if (op == Op::And || op == Op::Or) {
            if (l->kind != ValueKind::Bool || r->kind != ValueKind::Bool)
                return Fail(at, symbol + " needs comparisons on both sides");
            return Make(op, ValueKind::Bool, std::move(l), std::move(r));
        }
        if (l->kind == ValueKind::Bool || r->kind == ValueKind::Bool)
            return Fail(at, "\"" + symbol + "\" needs numbers, not truth values");
        const bool isFloat = l->kind == ValueKind::Float || r->kind == ValueKind::Float;
        if (op == Op::Mod && isFloat) return Fail(at, "\"%\" needs integers");
        return Make(op, isFloat ? ValueKind::Float : ValueKind::Int, std::move(l), std::move(r));
    }
    static Op BitwiseOf(Op op) {
        return op == Op::And ? Op::BitAnd : op == Op::Or ? Op::BitOr : Op::BitXor;
    }
    std::unique_ptr<Node> Or() {
        return Chain({{"||", Op::Or}, {"Or", Op::Or}, {"Xor", Op::Xor}}, &Parser::And);
    }
    std::unique_ptr<Node> And() {
        return Chain({{"&&", Op::And}, {"And", Op::And}}, &Parser::Compare);
    }
    std::unique_ptr<Node> Compare() {
        Skip();
        const size_t leftAt = pos_;
        auto l = Sum();
        if (!l) return nullptr;
        Skip();
        const size_t at = pos_;
        static const std::pair<const char*, Op> kOps[] = {
            {"==", Op::Eq}, {"!=", Op::Ne}, {"<>", Op::Ne}, {"<=", Op::Le},
            {">=", Op::Ge}, {"<", Op::Lt},  {">", Op::Gt},  {"=", Op::Eq}};
        for (const auto& [text, op] : kOps) {
            if (!Take(text)) continue;
            if (!Counted(at)) return nullptr;
            Skip();
            const size_t rightAt = pos_;
            auto r = Sum();
            if (!r) return nullptr;
            if (l->kind == ValueKind::Bool || r->kind == ValueKind::Bool)
                return Fail(at, std::string("\"") + text + "\" compares numbers, not truth values");
            if (!InRange(*l, *r, rightAt) || !InRange(*r, *l, leftAt)) return nullptr;
            return Make(op, ValueKind::Bool, std::move(l), std::move(r));
        }
        return l;
    }
    // A variable compared with an integer it can never hold: a slip worth saying.
    bool InRange(const Node& variable, const Node& other, size_t otherAt) {
        if (variable.op != Op::Var && variable.op != Op::Prev) return true;
        const Node* literal = &other;
        bool negative = false;
        if (literal->op == Op::Neg && literal->left) {
            negative = true;
            literal = literal->left.get();
        }
        if (literal->op != Op::Literal || literal->kind != ValueKind::Int) return true;
        const int64_t value = negative ? -literal->literal.i : literal->literal.i;
        const MyVarRecord& record = records_[static_cast<size_t>(variable.record)];
        const ValueRange range = TypeRange(record.VarType);
        if (!range.known || (value >= range.low && value <= range.high)) return true;
        Fail(otherAt, OutOfRange(record, value));
        return false;
    }
    std::unique_ptr<Node> Sum() {
        return Chain({{"+", Op::Add}, {"-", Op::Sub}}, &Parser::Product);
    }
    std::unique_ptr<Node> Product() {
        return Chain({{"*", Op::Mul}, {"/", Op::Div}, {"%", Op::Mod}}, &Parser::Unary);
    }
    std::unique_ptr<Node> Unary() {
        Skip();
        const size_t at = pos_;
        if (Take("!")) {
            if (!Deeper(at)) return nullptr;
            auto n = Unary();
            Leave();
            if (!n) return nullptr;
            if (n->kind != ValueKind::Bool) return Fail(at, "\"!\" needs a truth value");
            return Make(Op::Not, ValueKind::Bool, std::move(n));
        }
        if (Take("Not")) {
            if (!Deeper(at)) return nullptr;
            auto n = Compare();
            Leave();
            if (!n) return nullptr;
            if (n->kind == ValueKind::Float)
                return Fail(at, "Not needs a truth value or an integer");
            const ValueKind kind = n->kind;
            return Make(kind == ValueKind::Bool ? Op::Not : Op::BitNot, kind, std::move(n));
        }
        if (Take("-")) {
            if (!Deeper(at)) return nullptr;
            auto n = Unary();
            Leave();
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
            if (!Deeper(at)) return nullptr;
            ++pos_;
            auto n = Or();
            Leave();
            if (!n) return nullptr;
            if (!Take(")")) return Fail(pos_, "\")\" is missing");
            return n;
        }
        if ((c >= '0' && c <= '9') || c == '.' || c == '%' || c == '$' || c == '"')
            return Literal();
        if (!IsNameStart(c)) return Fail(at, "unexpected \"" + t_.substr(at, 1) + "\"");
        size_t end = pos_;
        while (end < t_.size() && IsNameChar(t_[end])) ++end;
        const std::string name = t_.substr(pos_, end - pos_);
        const std::string word = LowerCase(name);
        pos_ = end;
        if ((word == "changed" || word == "prev") && FindRecord(records_, name) < 0) {
            if (!Take("(")) return Fail(pos_, "\"(\" is missing after " + name);
            if (!Deeper(at)) return nullptr;
            Skip();
            const size_t nameAt = pos_;
            auto v = Variable(nameAt);
            Leave();
            if (!v) return nullptr;
            if (!Take(")")) return Fail(pos_, "\")\" is missing");
            v->op = word == "changed" ? Op::Changed : Op::Prev;
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
        const int32_t index = FindRecord(records_, name);
        if (index >= 0) {
            const MyVarRecord& r = records_[static_cast<size_t>(index)];
            if (r.VarRecordType == RT_ARRAY)
                return Fail(at, name + " is an array; name an element, " + name + "#0");
            if (r.VarType < VT_BIT || r.VarType > VT_FLOAT)
                return Fail(at, name + " has no value a script can read");
            auto n =
                Make(Op::Var, r.VarType == VT_FLOAT ? ValueKind::Float : ValueKind::Int, nullptr);
            n->record = index;
            bool known = false;
            for (int32_t k : names_) known = known || k == n->record;
            if (!known) names_.push_back(n->record);
            return n;
        }
        return Fail(at, UnknownVariable(records_, name));
    }
    std::unique_ptr<Node> Literal() {
        auto n = std::make_unique<Node>();
        ParseError literalError;
        if (!ReadLiteral(t_, pos_, n->literal, literalError))
            return Fail(literalError.column - 1, literalError.message);
        n->kind = n->literal.kind;
        return n;
    }

    const std::string& t_;
    const VarTable& records_;
    std::vector<int32_t>& names_;
    size_t pos_ = 0;
    int depth_ = 0;
    int operators_ = 0;
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

}  // namespace varnolux::script
