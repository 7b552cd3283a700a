#include "views/frame/form_settings.h"

#include "layout/free_place.h"
#include "seams/ini_file.h"

namespace varnolux {

namespace {

constexpr const char* kPreferences = "Preferences";

}  // namespace

Rect ReadStoredRect(const HostOs& os, const std::string& path, const std::string& section) {
    auto read = [&](const char* key) { return IniNumber(IniRead(os, path, section, key, "")); };
    Rect r;
    r.left = read("Left");
    r.right = read("Right");
    r.top = read("Top");
    r.bottom = read("Bottom");
    return r;
}

Rect PlaceFormWindow(const Rect& stored, const Rect& created, const Rect& workArea,
                     const std::vector<Rect>& taken) {
    const bool neverPlaced = stored.right <= stored.left || stored.bottom <= stored.top;
    if (neverPlaced) return FreePlace(PlaceMainWindow(created, workArea), taken, workArea);
    return PlaceMainWindow(stored, workArea);
}

int32_t ReadColumnWidth(const HostOs& os, const std::string& path, const std::string& section,
                        const std::string& key, const std::string& defaultText, int32_t whenZero) {
    const int32_t width = IniNumber(IniRead(os, path, section, key, defaultText));
    return width == 0 ? whenZero : width;
}

void SaveFormSettings(const FormSettingsKeys& keys, const FormCloseState& state, int32_t saveOnExit,
                      HostOs& os, const std::string& path, Prompts& prompts) {
    if (saveOnExit != 1) return;
    for (size_t i = 0; i < keys.columnKeys.size() && i < state.columnWidths.size(); ++i)
        IniWriteNumber(os, path, keys.section, keys.columnKeys[i], state.columnWidths[i]);
    IniWriteNumber(os, path, kPreferences, keys.topMostKey, state.topmost ? 1 : 0);
    if (!state.placementAvailable) {
        if (keys.placementFailure.empty()) return;
        PromptRequest request;
        request.text = keys.placementFailure;
        request.caption = keys.failureCaption;
        request.icon = keys.failureCaption.empty() ? PromptIcon::None : PromptIcon::Information;
        prompts.Show(request);
        return;
    }
    IniWriteNumber(os, path, keys.section, "Left", state.normal.left);
    IniWriteNumber(os, path, keys.section, "Right", state.normal.right);
    IniWriteNumber(os, path, keys.section, "Top", state.normal.top);
    IniWriteNumber(os, path, keys.section, "Bottom", state.normal.bottom);
}

}  // namespace varnolux
