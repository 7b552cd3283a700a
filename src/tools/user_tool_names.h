#pragma once
// The Tools menu texts of the two user tools.
#include <string>
#include <vector>

#include "state/settings.h"

namespace varnolux {

struct MenuItemText {
    int command;
    std::string text;
};

// Commands 28036 and 28037 with UserTool1Name and UserTool2Name, each cut to
// 19 characters.
std::vector<MenuItemText> UserToolMenuTexts(const Settings& settings);

}  // namespace varnolux
