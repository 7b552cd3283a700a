// The device description reader on any text: the EEPROM image has exactly
// EEPROM size + 1 cells within the limit, the RAM marks stay inside the image
// and every port that has bits is present.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "project/device/reader.h"
#include "state/dump_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace varnolux;
    if (size > 8192) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // One image for the whole run: every read sets all the marks it owns.
    static DumpImage image;
    DeviceDescription device;
    std::vector<std::string> notes;
    ReadDeviceText(text, device, image, notes);

    FUZZ_CHECK(device.EepromSize >= 0 && device.EepromSize <= 65536);
    FUZZ_CHECK(image.EepromImage.size() == static_cast<size_t>(device.EepromSize) + 1);
    FUZZ_CHECK(image.RamImage.size() == static_cast<size_t>(kRamTop) + 1);
    FUZZ_CHECK(image.RamImage[kRamTop].Implemented == 0);
    if (device.Core != 14) FUZZ_CHECK(image.RamImage[0].Implemented == 1);
    for (const PortRecord& port : device.Ports) {
        FUZZ_CHECK((port.ImplementedBits != 0) == (port.Present != 0));
        if (port.DirectionPresent) FUZZ_CHECK(port.Present);
    }
    FUZZ_CHECK(notes.size() <= 4);
    return 0;
}
