#pragma once
// The device stage of the load: what the device description file of the
// source's device says about EEPROM, core, RAM banks and ports.
#include <string>
#include <vector>

#include "project/device/file_problem.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Settings "PPI" folder + "\P" + device name + ".PPI".
std::string DeviceFilePath(const Settings& settings, const std::string& deviceName);

// Ends the message of a device file that is not there with the setting that
// names its folder; empty for other problems.
std::string DeviceFolderHint(FileProblem problem);

// The facts of a device description file's text: the device's EEPROM size,
// core and ports, the image's EEPROM cells and Implemented marks; a note for
// each value beyond the tables.
void ReadDeviceText(const std::string& text, DeviceDescription& device, DumpImage& image,
                    std::vector<std::string>& notes);

// Reads the source device's file: EEPROM size (and sizes EepromImage to it + 1
// cells), the final core, the Implemented marks of the RAM cells, and which ports
// and port bits exist. A missing file or key takes its default silently; values
// beyond the tables are reported once and cut to what fits.
void ReadDevice(Session& session, Seams& seams);

}  // namespace varnolux
