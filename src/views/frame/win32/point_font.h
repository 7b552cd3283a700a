#pragma once
// Fonts of the program's windows, given as the settings give them: a face name
// and a size in points.
#include <windows.h>

#include <string>

namespace varnolux {

// A font of the face at the size in points on this screen; nullptr when the
// system cannot make one. The caller deletes it.
HFONT CreatePointFont(const std::string& face, int points, int weight = FW_NORMAL);
// The same in a fixed-pitch family, so a fixed-pitch face stands in for one
// the system does not have.
HFONT CreateFixedFont(const std::string& face, int points);

}  // namespace varnolux
