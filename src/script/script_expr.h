#pragma once
// Expressions of a target test script over the program's variable names:
// literals in the Modify window's notations, + - * / %, comparisons, && || !,
// parentheses, changed(NAME) and prev(NAME). Names and types are checked when
// the expression is parsed; evaluating it can still fail (division by zero, a
// variable without a value yet).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "state/var_record.h"

namespace varnolux::script {

enum class ValueKind { Int, Float, Bool };

struct Value {
    ValueKind kind = ValueKind::Int;
    int64_t i = 0;
    double f = 0;
    bool b = false;
};

// A record's values at one dump, as the record table held them then.
struct RecordValues {
    uint32_t value = 0;
    uint32_t previous = 0;
    bool valueInit = false;
    bool previousInit = false;
};

// The values of every record at one dump.
struct DumpValues {
    int32_t DumpId = -1;
    std::vector<RecordValues> records;  // by record index
};

struct Node;

// A parsed expression with the record indexes of the variables it names.
class Expression {
  public:
    Expression();
    ~Expression();
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;

    ValueKind Kind() const;
    // The record indexes named, each once, in the order they first appear.
    const std::vector<int32_t>& Names() const { return names_; }

    std::unique_ptr<Node> root;
    std::vector<int32_t> names_;
};

// Nesting (parentheses, unary operators, Not, changed() and prev()) and
// operators an expression may have: far beyond what a person writes, and low
// enough that parsing, evaluating and freeing the tree stay within any stack.
constexpr int kMaxNesting = 64;
constexpr int kMaxOperators = 1024;

struct ParseError {
    size_t column = 0;  // 1-based, within the text given to ParseExpression
    std::string message;
};

// Parses `text` against the record table (labels matched exactly; arrays
// themselves have no value). False with `error` set when it fails.
bool ParseExpression(const std::string& text, const VarTable& records, Expression& out,
                     ParseError& error);

struct EvalResult {
    bool ok = false;
    Value value;
    std::string error;  // "division by zero", "tick has no value yet" ...
};

EvalResult Evaluate(const Expression& e, const VarTable& records, const DumpValues& dump);

// A record's value at the dump as a script value: Float for VT_FLOAT, Int
// (signed where the type is) for the others.
Value RecordValue(const MyVarRecord& record, uint32_t raw);

// The value as a script line shows it.
std::string ValueText(const Value& v);

}  // namespace varnolux::script
