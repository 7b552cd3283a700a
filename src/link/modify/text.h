#pragma once
// Reading the text typed into the Modify window: decimal, "%" binary, "$"
// hexadecimal, or a double quote and a character; and the ranges per type.
#include <cstdint>
#include <string>

namespace varnolux {

struct ModifyReading {
    bool isNumber = false;  // the text holds a number in the form its prefix names
    int64_t value = 0;      // ModifyValue
    bool isFloat = false;   // the whole text read as a decimal floating-point number
    float floatValue = 0;   // ModifyFloat
};

ModifyReading ReadModifyText(const std::string& text);

// Whether the value fits the VarType (every finite number fits a float).
bool ModifyValueFits(int32_t varType, const ModifyReading& reading);

}  // namespace varnolux
