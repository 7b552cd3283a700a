#pragma once
// The tree of a parsed expression, shared by its parser and its evaluator.
#include <cstdint>
#include <memory>

#include "script/script_expr.h"

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
    Or,
    Xor,
    BitAnd,
    BitOr,
    BitXor,
    BitNot
};

struct Node {
    Op op = Op::Literal;
    ValueKind kind = ValueKind::Int;
    Value literal;
    int32_t record = -1;
    std::unique_ptr<Node> left, right;
};

}  // namespace varnolux::script
