#pragma once
// Pin names and LCD pins from the listing's "#define" lines.
#include <string>
#include <vector>

#include "project/listing/tail.h"
#include "state/device.h"

namespace varnolux {

// One "#define" line, given as its normalised words (word 2 is "#define"):
// "#define IR_in PORTC.3" names pin 3 of port C; "#define Leds PORTB" names all
// eight pins "Leds.0" .. "Leds.7"; "__LCD_" defines record the LCD lines.
void ReadPinDefine(const std::vector<std::string>& words, DeviceDescription& device, LcdPins& lcd);

// Writes "LCD_RS", "LCD_EN", "LCD_Data0" .. "LCD_Data3" at the defined port and
// pin of each line (ports A to E, pins 0 to 7), replacing names from the defines.
void ApplyLcdPinNames(const LcdPins& lcd, DeviceDescription& device);

}  // namespace varnolux
