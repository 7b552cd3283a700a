#include "tools/win32/user_tool_menu.h"

#include "tools/user_tool_names.h"

namespace varnolux {

void ApplyUserToolNames(HMENU menu, const Settings& settings) {
    for (const MenuItemText& item : UserToolMenuTexts(settings)) {
        const UINT state = GetMenuState(menu, item.command, MF_BYCOMMAND);
        if (state == static_cast<UINT>(-1)) continue;
        const UINT kept = state & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        ModifyMenuA(menu, item.command, MF_BYCOMMAND | MF_STRING | kept,
                    static_cast<UINT_PTR>(item.command), item.text.c_str());
    }
}

}  // namespace varnolux
