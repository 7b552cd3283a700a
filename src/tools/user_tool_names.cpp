#include "tools/user_tool_names.h"

#include "seams/main_ids.h"

namespace varnolux {

namespace {
constexpr size_t kMenuNameLength = 19;
}

std::vector<MenuItemText> UserToolMenuTexts(const Settings& settings) {
    return {
        {ids::kCmdUserTool1, settings.UserTool1Name.substr(0, kMenuNameLength)},
        {ids::kCmdUserTool2, settings.UserTool2Name.substr(0, kMenuNameLength)},
    };
}

}  // namespace varnolux
