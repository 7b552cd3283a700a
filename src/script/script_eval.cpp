// Evaluating a parsed expression on the values of one dump.
#include <cstring>

#include "script/script_expr.h"
#include "script/script_node.h"
#include "vars/value_decode.h"
#include "vars/value_format.h"

namespace varnolux::script {

namespace {

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
        if (n.op == Op::BitNot) return (out = Int(~a.i)), true;
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
        switch (n.op) {
            case Op::Xor:
                return (out = Bool(a.b != b.b)), true;
            case Op::BitAnd:
                return (out = Int(a.i & b.i)), true;
            case Op::BitOr:
                return (out = Int(a.i | b.i)), true;
            case Op::BitXor:
                return (out = Int(a.i ^ b.i)), true;
            default:
                break;
        }
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
