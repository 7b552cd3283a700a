#include "app/settings_io.h"

#include <mutex>

#include "app/settings_keys.h"
#include "project/load/watched_items.h"
#include "seams/ini_file.h"
#include "seams/settings_file.h"

namespace varnolux {

namespace {

const char* const kPlacement = "Window Placement";
const char* const kPreferences = "Preferences";
const char* const kWatchPlacement = "Watch Placement";

bool SupportedBaud(int32_t baud) {
    return baud == 9600 || baud == 19200 || baud == 38400 || baud == 57600 || baud == 115200;
}

// The main window's keys, "WatchVisible" and the watched items, in that order.
void WriteMainKeys(const Settings& s, const MainWindowSnapshot& snap, const VarTable& records,
                   IniDocument& doc) {
    auto number = [&doc](const char* section, const std::string& key, int32_t value) {
        doc.Write(section, key, std::to_string(value));
    };
    if (snap.placementAvailable) {
        number(kPlacement, "Left", snap.normal.left);
        number(kPlacement, "Right", snap.normal.right);
        number(kPlacement, "Top", snap.normal.top);
        number(kPlacement, "Bottom", snap.normal.bottom);
    }
    number(kPreferences, "AlwaysOnTop", snap.topmost ? 1 : 0);
    number(kPreferences, "AutoExclude", s.AutoExclude);
    number(kPreferences, "ViewComments", s.ViewComments);
    number(kPreferences, "HighLightLabel", s.HighLightLabel);
    number(kPreferences, "DefaultAddressRadix", s.DefaultAddressRadix);
    number(kPreferences, "DefaultDataRadix", s.DefaultDataRadix);
    number(kWatchPlacement, "WatchVisible", snap.watchWindowOpen ? 1 : 0);
    const int columns = s.ViewComments == 1 ? 7 : 6;
    for (int c = 0; c < columns; ++c) {
        number(kPlacement, "Column" + std::to_string(c), snap.columnWidths[c]);
    }
    // Without a variable table (closed before a project was loaded) nothing can
    // be watched: the saved list stays for the next run.
    if (!records.empty()) SaveWatchedItems(records, doc);
}

}  // namespace

void LoadSettings(Settings& s, const HostOs& os, const std::string& path) {
    const IniDocument doc(os.ReadFile(path).value_or(std::string()));
    const Settings defaults;
    for (const SettingKey& key : SettingKeys()) {
        const std::string value = doc.Read(key.section, key.key, SettingText(defaults, key));
        if (key.number) {
            s.*key.number = IniNumber(value);
        } else if (key.text) {
            s.*key.text = value.substr(0, key.limit);
        } else {
            s.Column[key.column] = IniNumber(value);
        }
    }
    if (!SupportedBaud(s.Baud)) s.Baud = 0;
}

Rect StoredMainRect(const Settings& s) {
    Rect r;
    r.left = s.Left;
    r.top = s.Top;
    r.right = s.Right;
    r.bottom = s.Bottom;
    return r;
}

int32_t ColumnWidth(const Settings& s, int column) {
    return s.Column[column] != 0 ? s.Column[column] : kBuiltInColumnWidths[column];
}

SettingsWrite SaveSettings(const Settings& s, const MainWindowSnapshot& snap,
                           const VarTable& records, HostOs& os, const std::string& path) {
    return EditSettingsFile(os, path,
                            [&](IniDocument& doc) { WriteMainKeys(s, snap, records, doc); });
}

void ApplyExitChoice(RunState& run, ExitChoice choice) {
    switch (choice) {
        case ExitChoice::Exit:
            run.SaveOnExit = run.ProjectChosen.load();
            break;
        case ExitChoice::ExitWithoutSaving:
            run.SaveOnExit = 0;
            break;
        case ExitChoice::CloseBox:
            break;
    }
}

bool SaveSettingsOnClose(Session& session, const MainWindowSnapshot& snap, HostOs& os,
                         Prompts& prompts) {
    if (session.run.SaveOnExit == 0) return false;
    VarTable records;
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        records = session.records;
    }
    const std::string& path = session.project.settingsPath;
    ReportSettingsWrite(SaveSettings(session.settings, snap, records, os, path),
                        session.run.SettingsWriteReported, prompts, path);
    return true;
}

}  // namespace varnolux
