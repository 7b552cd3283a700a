// The Modify text: whatever is typed, an accepted value lies within its type's
// range, equals the number an independent wide reading of the text gives, and
// reaches the target's RAM as exactly that value.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "link/modify/apply.h"
#include "link/modify/request.h"
#include "link/modify/text.h"
#include "state/var_record.h"

namespace {

using varnolux::ModifyReading;

// The number the text names, read with 128 bits; `huge` once it needs more
// than 100 bits, so no text can wrap.
struct Wide {
    bool number = false;
    bool huge = false;
    __int128 value = 0;
};

Wide ReadWide(const std::string& text) {
    Wide w;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) return w;
    const char first = text[i];
    if (first == '"') {
        w.number = i + 1 < text.size();
        if (w.number) w.value = static_cast<unsigned char>(text[i + 1]);
        return w;
    }
    int base = 10;
    bool negative = false;
    if (first == '%' || first == '$') {
        base = first == '%' ? 2 : 16;
        ++i;
    } else if (first == '-' || first == '+') {
        negative = first == '-';
        ++i;
    }
    const __int128 limit = static_cast<__int128>(1) << 100;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        if (d < 0 || d >= base) break;
        w.number = true;
        if (w.value < limit) w.value = w.value * base + d;
        if (w.value >= limit) w.huge = true;
    }
    if (negative) w.value = -w.value;
    return w;
}

bool InRange(int32_t type, __int128 v) {
    switch (type) {
        case varnolux::VT_BIT:
            return v == 0 || v == 1;
        case varnolux::VT_BYTE:
            return v >= 0 && v <= 255;
        case varnolux::VT_SBYTE:
            return v >= -128 && v <= 127;
        case varnolux::VT_WORD:
            return v >= 0 && v <= 65535;
        case varnolux::VT_SWORD:
            return v >= -32768 && v <= 32767;
        case varnolux::VT_DWORD:
            return v >= 0 && v <= 4294967295LL;
        case varnolux::VT_SDWORD:
            return v >= -2147483648LL && v <= 2147483647LL;
        default:
            return false;
    }
}

// The value as the target holds it after applying the request at address 0x10.
uint32_t HeldByTarget(int32_t type, int64_t value, int32_t bit) {
    varnolux::PendingModify m;
    m.VarType = type;
    m.VarAddress = 0x10;
    m.ModifyValue = value;
    m.BitNumber = bit;
    std::vector<uint8_t> ram(64, type == varnolux::VT_BIT ? 0x5A : 0);
    FUZZ_CHECK(varnolux::ApplyModifyToRam(varnolux::BuildModifyPayload(m), ram.data(), ram.size()));
    if (type == varnolux::VT_BIT) {
        // The other bits of the byte stay as they were.
        FUZZ_CHECK((ram[0x10] & ~(1u << bit)) == (0x5Au & ~(1u << bit)));
        return (ram[0x10] >> bit) & 1u;
    }
    uint32_t held = 0;
    for (int k = 0; k < 4; ++k) held |= static_cast<uint32_t>(ram[0x10 + k]) << (8 * k);
    return held;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // First byte: the VarType (0 and 9 are types no value fits) and the bit number.
    const int32_t type = data[0] % 10;
    const int32_t bit = (data[0] / 10) % 8;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const ModifyReading reading = varnolux::ReadModifyText(text);
    const bool fits = varnolux::ModifyValueFits(type, reading);
    if (type == varnolux::VT_FLOAT) {
        FUZZ_CHECK(fits == reading.isFloat);
        return 0;
    }
    const Wide wide = ReadWide(text);
    const bool expected = wide.number && !wide.huge && InRange(type, wide.value);
    FUZZ_CHECK(fits == expected);
    if (!fits) return 0;
    FUZZ_CHECK(reading.value == static_cast<int64_t>(wide.value));

    const int bytes = type == varnolux::VT_BYTE || type == varnolux::VT_SBYTE   ? 1
                      : type == varnolux::VT_WORD || type == varnolux::VT_SWORD ? 2
                                                                                : 4;
    const uint32_t mask = bytes == 4 ? 0xFFFFFFFFu : (1u << (8 * bytes)) - 1;
    const uint32_t held = HeldByTarget(type, reading.value, bit);
    if (type == varnolux::VT_BIT) {
        FUZZ_CHECK(held == static_cast<uint32_t>(reading.value));
    } else {
        FUZZ_CHECK((held & mask) == (static_cast<uint32_t>(reading.value) & mask));
        FUZZ_CHECK((held & ~mask) == 0);
    }
    return 0;
}
