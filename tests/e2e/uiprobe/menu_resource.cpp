// A menu as a program file carries it: the menus a window of another process
// loads cannot be read across processes under Wine, their resource can.
#include <windows.h>

#include "probe.h"

namespace uiprobe {

namespace {

void AddItems(HMENU menu, std::vector<std::string>* lines) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
        item.dwTypeData = text;
        item.cch = sizeof text;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.hSubMenu) {
            AddItems(item.hSubMenu, lines);
        } else if (!(item.fType & MFT_SEPARATOR)) {
            lines->push_back(std::to_string(item.wID) + "\t" + text);
        }
    }
}

}  // namespace

bool MenuResourceItems(const std::string& file, int menuId, std::vector<std::string>* lines) {
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(menuId));
    if (menu) {
        AddItems(menu, lines);
        DestroyMenu(menu);
    }
    FreeLibrary(module);
    return menu != nullptr;
}

}  // namespace uiprobe
