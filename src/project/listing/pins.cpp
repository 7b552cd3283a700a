#include "project/listing/pins.h"

#include <cstdint>

#include "project/listing/text.h"

namespace varnolux {
namespace {

constexpr size_t kPinNameWidth = 20;
constexpr int32_t kOtherPort = 5;
const std::string kLcdPrefix = "__LCD_";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

int32_t PortIndex(const std::string& portWord) {
    if (portWord.size() < 5) return kOtherPort;
    const char letter = portWord[4];
    return (letter >= 'A' && letter <= 'E') ? letter - 'A' : kOtherPort;
}

void SetPinName(DeviceDescription& device, int32_t port, int32_t bit, const std::string& name) {
    device.Ports[size_t(port)].PinNames[size_t(bit)] = name.substr(0, kPinNameWidth);
}

void ReadLcdPort(const std::string& rest, int32_t port, LcdPins& lcd) {
    if (rest == "RSPORT") lcd.port[kLcdRs] = port;
    if (rest == "ENPORT") lcd.port[kLcdEn] = port;
    if (rest == "DATA_PORT") {
        for (int line = kLcdData0; line <= kLcdData3; ++line) lcd.port[size_t(line)] = port;
    }
    for (int d = 0; d < 4; ++d) {
        if (rest == "DATA" + std::to_string(d) + "_PORT") lcd.port[size_t(kLcdData0 + d)] = port;
    }
}

void ReadLcdPin(const std::string& rest, const std::string& valueWord, LcdPins& lcd) {
    int32_t v = 0;
    if (!LeadingDecimalNumber(valueWord, v)) v = 0;
    if (rest == "RSPIN") lcd.pin[kLcdRs] = v;
    if (rest == "ENPIN") lcd.pin[kLcdEn] = v;
    if (rest == "DTPIN") {
        for (int d = 0; d < 4 && v <= INT32_MAX - d; ++d) lcd.pin[size_t(kLcdData0 + d)] = v + d;
    }
    for (int d = 0; d < 4; ++d) {
        if (rest == "DATA" + std::to_string(d) + "_PIN") lcd.pin[size_t(kLcdData0 + d)] = v;
    }
}

}  // namespace

void ReadPinDefine(const std::vector<std::string>& words, DeviceDescription& device, LcdPins& lcd) {
    const std::string& name = Word(words, 3);
    const std::string& target = Word(words, 4);
    const bool lcdDefine = StartsWith(name, kLcdPrefix);
    const std::string lcdRest = lcdDefine ? name.substr(kLcdPrefix.size()) : std::string();

    if (!StartsWith(target, "PORT")) {
        if (lcdDefine) {
            lcd.seen = true;
            ReadLcdPin(lcdRest, target, lcd);
        }
        return;
    }
    const int32_t port = PortIndex(target);
    if (lcdDefine) {
        lcd.seen = true;
        ReadLcdPort(lcdRest, port, lcd);
        return;
    }
    if (StartsWith(name, "LCD#") || port == kOtherPort) return;
    if (target.size() < 7) {
        for (int32_t bit = 0; bit < 8; ++bit) {
            SetPinName(device, port, bit, name + "." + std::to_string(bit));
        }
        return;
    }
    const char bitChar = target[6];
    if (bitChar >= '0' && bitChar <= '7') SetPinName(device, port, bitChar - '0', name);
}

void ApplyLcdPinNames(const LcdPins& lcd, DeviceDescription& device) {
    if (!lcd.seen) return;
    static const char* const kNames[kLcdLines] = {"LCD_RS",    "LCD_EN",    "LCD_Data0",
                                                  "LCD_Data1", "LCD_Data2", "LCD_Data3"};
    for (size_t line = 0; line < size_t(kLcdLines); ++line) {
        const int32_t port = lcd.port[line];
        const int32_t pin = lcd.pin[line];
        if (port >= 0 && port <= 4 && pin >= 0 && pin <= 7)
            SetPinName(device, port, pin, kNames[line]);
    }
}

}  // namespace varnolux
