#include "views/frame/window_keys.h"

#include <algorithm>

#include "seams/ini_file.h"
#include "seams/settings_file.h"

namespace varnolux {

namespace {

constexpr const char* kPreferences = "Preferences";

struct KeysOfView {
    ViewKind kind;
    WindowKeys keys;
};

// Every window that keeps a place; the About and diagnostics windows keep none.
const std::vector<KeysOfView>& KeysTable() {
    static const std::vector<KeysOfView> table{
        {ViewKind::Watch,
         {"Watch Placement", {"Column0", "Column1"}, kPreferences, "AlwaysOnTopW", false, "", ""}},
        {ViewKind::Source,
         {"Source Placement",
          {"Column0", "Column1"},
          kPreferences,
          "AlwaysOnTopS",
          false,
          "Get Source form size failed",
          "Varnolux"}},
        {ViewKind::Eeprom,
         {"EEPROM Placement",
          {"Column0", "Column1", "Column2"},
          kPreferences,
          "AlwaysOnTopE",
          false,
          "",
          ""}},
        {ViewKind::Sfr,
         {"SFR Placement",
          {"DisCol0", "DisCol1", "DisCol2", "DisCol3", "SelCol0", "SelCol1"},
          kPreferences,
          "AlwaysOnTopSF",
          false,
          "Get SFR form size failed",
          ""}},
        {ViewKind::Port,
         {"Port Placement",
          {"Column0", "Column1", "Column2", "Column3", "Column4", "Header0", "Header1", "Header2"},
          kPreferences,
          "AlwaysOnTopPO",
          true,
          "",
          ""}},
        {ViewKind::Pinout, {"Pinout Placement", {}, kPreferences, "AlwaysOnTopPO", false, "", ""}},
        {ViewKind::Plot, {"Plot", {}, "Plot", "AlwaysOnTop", true, "", ""}},
        {ViewKind::StopRules,
         {"Stop Rules Placement",
          {"Column0", "Column1", "Column2", "Column3", "Column4"},
          "Stop Rules Placement",
          "AlwaysOnTop",
          true,
          "",
          ""}},
    };
    return table;
}

}  // namespace

const WindowKeys& WindowKeysOf(ViewKind kind) {
    static const WindowKeys none;
    const auto& table = KeysTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [kind](const KeysOfView& entry) { return entry.kind == kind; });
    return found == table.end() ? none : found->keys;
}

Rect ReadStoredRect(const HostOs& os, const std::string& path, const std::string& section) {
    auto read = [&](const char* key) { return IniNumber(IniRead(os, path, section, key, "")); };
    Rect r;
    r.left = read("Left");
    r.right = read("Right");
    r.top = read("Top");
    r.bottom = read("Bottom");
    return r;
}

int32_t ReadColumnWidth(const HostOs& os, const std::string& path, const std::string& section,
                        const std::string& key, const std::string& defaultText, int32_t whenZero) {
    const int32_t width = IniNumber(IniRead(os, path, section, key, defaultText));
    return width == 0 ? whenZero : width;
}

SettingsWrite WriteWindowKeys(const WindowKeys& keys, const FormCloseState& state, HostOs& os,
                              const std::string& path) {
    return EditSettingsFile(os, path, [&](IniDocument& doc) {
        auto number = [&doc](const std::string& section, const std::string& key, int32_t value) {
            doc.Write(section, key, std::to_string(value));
        };
        auto writeRect = [&] {
            if (!state.placementAvailable) return;
            number(keys.section, "Left", state.normal.left);
            number(keys.section, "Right", state.normal.right);
            number(keys.section, "Top", state.normal.top);
            number(keys.section, "Bottom", state.normal.bottom);
        };
        auto writeTopMost = [&] {
            number(keys.topMostSection, keys.topMostKey, state.topmost ? 1 : 0);
        };
        auto writeOwn = [&] {
            for (size_t i = 0; i < keys.columnKeys.size() && i < state.columnWidths.size(); ++i)
                number(keys.section, keys.columnKeys[i], state.columnWidths[i]);
            for (const auto& [key, text] : state.extras) doc.Write(keys.section, key, text);
        };
        if (keys.rectFirst) {
            writeRect();
            writeTopMost();
            writeOwn();
        } else {
            writeOwn();
            writeTopMost();
            writeRect();
        }
    });
}

void SaveFormSettings(const WindowKeys& keys, const FormCloseState& state, RunState& run,
                      HostOs& os, const std::string& path, Prompts& prompts) {
    if (run.SaveOnExit.load() != 1) return;
    ReportSettingsWrite(WriteWindowKeys(keys, state, os, path), run.SettingsWriteReported, prompts,
                        path);
    if (state.placementAvailable || keys.placementFailure.empty()) return;
    PromptRequest request;
    request.text = keys.placementFailure;
    request.caption = keys.failureCaption;
    request.icon = keys.failureCaption.empty() ? PromptIcon::None : PromptIcon::Information;
    prompts.Show(request);
}

}  // namespace varnolux
