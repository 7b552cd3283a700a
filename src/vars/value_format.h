#pragma once
// The one way any view turns a record's value and address into text.
#include <cstdint>
#include <string>

#include "state/var_record.h"

namespace varnolux {

struct ValueTexts {
    std::string value;     // text of VarValue
    std::string previous;  // text of VarPrevious
};

// Formats VarValue and VarPrevious in the record's VarDisplayType. Returns false
// for a VarType outside 1..8 and then leaves `texts` as they were; the caller
// shows FormatValueFailureText(record) once it no longer holds the records lock.
// A VarDisplayType outside 1..3 gives "???" for both texts.
bool FormatValue(const MyVarRecord& record, ValueTexts& texts);

// The internal-error message for a record whose VarType FormatValue cannot show.
std::string FormatValueFailureText(const MyVarRecord& record);

// One raw value of the given type in the given radix, as FormatValue writes the
// previous text (no character view); `characterView` adds the quoted character
// of a byte as the value text has it. Empty for an unknown type, "???" for a
// radix outside 1..3.
std::string FormatRawValue(int32_t varType, int32_t radix, uint32_t raw, bool characterView);

// Address column text: "0012" in decimal, "$000C" otherwise; bits add "." and the bit.
std::string FormatAddress(const MyVarRecord& record);

// The current value as plain decimal (signed types signed, floats as shown);
// empty for an unknown type.
std::string PlainDecimalText(const MyVarRecord& record);

// Number forms shared with other views.
std::string SignedByteText(uint32_t raw);
std::string SignedWordText(uint32_t raw);
std::string SignedDWordText(uint32_t raw);
std::string FloatText(uint32_t ieeeBits);
std::string HexText(uint32_t raw, int digits);  // "$" and zero-padded upper-case digits
std::string BinaryByteText(uint32_t raw);       // "%" and the low byte's eight digits

}  // namespace varnolux
