#include "project/device/reader.h"

#include <algorithm>

#include "project/device/file_problem.h"
#include "seams/ini_file.h"
#include "text/text_util.h"

namespace varnolux {

namespace {

constexpr const char* kRoutine = "ReadDevice";
constexpr int32_t kMaxEepromSize = 65536;
constexpr int32_t kMaxRamBanks = 160;  // 128-byte banks up to the RAM image's top
constexpr int32_t kLastMarkedCell = kRamTop - 1;

int32_t Number(const IniDocument& ppi, const char* key) {
    return IniNumber(ppi.Read("INFOSTART", key, "0"));
}

// "0X0A0" -> 160: hexadecimal digits after removing the "0X", up to the first
// other character.
int32_t BankAddress(const IniDocument& ppi, const std::string& key) {
    std::string text = TrimBlanks(ppi.Read("INFOSTART", key, "0"));
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'X' || text[1] == 'x')) {
        text.erase(0, 2);
    }
    int64_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            break;
        }
        value = std::min<int64_t>(value * 16 + digit, INT32_MAX);
    }
    return static_cast<int32_t>(value);
}

void MarkRamCells(const IniDocument& ppi, int32_t core, DumpImage& image,
                  std::vector<std::string>& notes) {
    auto& cells = image.RamImage;
    if (core != 14) {
        for (int32_t a = 0; a <= kLastMarkedCell; ++a) cells[a].Implemented = 1;
        return;
    }
    for (int32_t a = 0; a <= kLastMarkedCell; ++a) cells[a].Implemented = 0;
    int32_t banks = Number(ppi, "RAM_BANKS");
    if (banks > kMaxRamBanks) {
        notes.push_back(std::string(kRoutine) + " RAM_BANKS = " + std::to_string(banks) +
                        " is more than the RAM image holds; only the first " +
                        std::to_string(kMaxRamBanks) + " banks are read");
        banks = kMaxRamBanks;
    }
    bool beyondReported = false;
    for (int32_t n = 0; n < banks; ++n) {
        const std::string bank = "BANK" + std::to_string(n);
        const int32_t start = BankAddress(ppi, bank + "_START");
        int32_t end = BankAddress(ppi, bank + "_END");
        if (end > kLastMarkedCell) {
            if (!beyondReported) {
                notes.push_back(std::string(kRoutine) + " " + bank +
                                " reaches beyond the RAM image; cells above " +
                                std::to_string(kLastMarkedCell) + " are not marked");
            }
            beyondReported = true;
            end = kLastMarkedCell;
        }
        for (int32_t a = start; a <= end; ++a) cells[a].Implemented = 1;
    }
}

void ReadPorts(const IniDocument& ppi, DeviceDescription& device, std::vector<std::string>& notes) {
    for (PortRecord& port : device.Ports) {
        port.Present = 0;
        port.DirectionPresent = 0;
        port.ImplementedBits = 0;
    }
    int32_t last = Number(ppi, "Ports");
    if (last >= kPortCount) {
        notes.push_back(std::string(kRoutine) + " Ports = " + std::to_string(last) +
                        " is beyond the port table; ports A to G are read");
        last = kPortCount - 1;
    }
    std::string unused;
    for (int32_t p = 0; p <= last; ++p) {
        PortRecord& port = device.Ports[p];
        const std::string letter(1, static_cast<char>('A' + p));
        for (int b = 0; b < 8; ++b) {
            const std::string bit = letter + std::to_string(b);
            const bool r = ppi.Find("BITSTART", "R" + bit, unused);
            const bool lat = ppi.Find("BITSTART", "LAT" + bit, unused);
            const bool tris = ppi.Find("BITSTART", "TRIS" + bit, unused);
            if (r || lat || tris) {
                port.ImplementedBits |= static_cast<uint8_t>(1u << b);
                port.Present = 1;
            }
            if (tris) port.DirectionPresent = 1;
        }
    }
}

}  // namespace

std::string DeviceFilePath(const Settings& settings, const std::string& deviceName) {
    return settings.PPI + "\\P" + deviceName + ".PPI";
}

std::string DeviceFolderHint(FileProblem problem) {
    return problem == FileProblem::Missing
               ? "; [Locations] PPI= in Varnolux.ini names the folder of the device files"
               : std::string();
}

void ReadDeviceText(const std::string& text, DeviceDescription& device, DumpImage& image,
                    std::vector<std::string>& notes) {
    const IniDocument ppi(text);
    int32_t eeprom = std::max(Number(ppi, "EEPROM"), 0);
    if (eeprom > kMaxEepromSize) {
        notes.push_back(std::string(kRoutine) + " EEPROM = " + std::to_string(eeprom) +
                        " is too large; " + std::to_string(kMaxEepromSize) + " bytes are kept");
        eeprom = kMaxEepromSize;
    }
    device.EepromSize = eeprom;
    device.Core = Number(ppi, "CORE");
    image.EepromImage.assign(static_cast<size_t>(eeprom) + 1, EepromCell{});
    MarkRamCells(ppi, device.Core, image, notes);
    ReadPorts(ppi, device, notes);
}

void ReadDevice(Session& session, Seams& seams) {
    const std::string path = DeviceFilePath(session.settings, session.device.SourceDeviceName);
    const std::optional<std::string> text = seams.os.ReadFile(path);
    std::vector<std::string> notes;
    // The listing stage has spoken of the listing device's file already, and
    // sources without a device statement name no file to look for.
    if (!text && !session.device.SourceDeviceName.empty() &&
        path != DeviceFilePath(session.settings, session.device.ListingDeviceName)) {
        const FileProblem problem = MissingOrUnreadable(seams.os, path);
        notes.push_back(
            std::string(kRoutine) + " " + FileProblemText("device file", path, problem) +
            " - no core, EEPROM, RAM banks or ports are known" + DeviceFolderHint(problem));
    }
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        ReadDeviceText(text.value_or(std::string()), session.device, session.image, notes);
    }
    for (const std::string& note : notes) seams.prompts.Inform(note);
}

}  // namespace varnolux
