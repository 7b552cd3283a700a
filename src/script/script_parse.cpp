// Parsing an expression: precedence climbing from || down to the literals
// and names, with the kinds of both sides checked at each operator.
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "script/script_expr.h"
#include "script/script_literal.h"
#include "script/script_node.h"

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

    // A left-associative run of the operators, each side parsed by `next`.
    std::unique_ptr<Node> Chain(Operators ops, Level next) {
        auto l = (this->*next)();
        while (l) {
            Skip();
            const size_t at = pos_;
            const auto taken = std::find_if(ops.begin(), ops.end(),
                                            [this](const auto& o) { return Take(o.first); });
            if (taken == ops.end()) break;
            auto r = (this->*next)();
            if (!r) return nullptr;
            l = Join(taken->second, std::move(l), std::move(r), at, taken->first);
        }
        return l;
    }
    // && and || join truth values; arithmetic joins numbers, Float when either is.
    std::unique_ptr<Node> Join(Op op, std::unique_ptr<Node> l, std::unique_ptr<Node> r, size_t at,
                               const std::string& symbol) {
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
    std::unique_ptr<Node> Or() { return Chain({{"||", Op::Or}}, &Parser::And); }
    std::unique_ptr<Node> And() { return Chain({{"&&", Op::And}}, &Parser::Compare); }
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
        if ((c >= '0' && c <= '9') || c == '.' || c == '%' || c == '$' || c == '"')
            return Literal();
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
