#include "app/settings_io.h"

#include <mutex>

#include "project/watched_items.h"
#include "ui/ini_file.h"

namespace varnolux {

namespace {

constexpr size_t kFontNameLimit = 30;

const char* const kPlacement = "Window Placement";
const char* const kPreferences = "Preferences";
const char* const kWatchPlacement = "Watch Placement";
const char* const kComms = "Comms";
const char* const kDebug = "Debug";
const char* const kLocations = "Locations";

// Reads keys of one parsed settings file into fields.
class Reader {
  public:
    explicit Reader(const IniDocument& doc) : doc_(doc) {}
    void Number(const char* section, const char* key, int32_t& field, const char* def) {
        field = IniNumber(doc_.Read(section, key, def));
    }
    void Text(const char* section, const char* key, std::string& field, size_t limit) {
        field = doc_.Read(section, key, field).substr(0, limit);
    }

  private:
    const IniDocument& doc_;
};

bool SupportedBaud(int32_t baud) {
    return baud == 9600 || baud == 19200 || baud == 38400 || baud == 57600 || baud == 115200;
}

}  // namespace

void LoadSettings(Settings& s, const HostOs& os, const std::string& path) {
    const IniDocument doc(os.ReadFile(path).value_or(std::string()));
    Reader r(doc);
    r.Number(kPlacement, "Left", s.Left, "");
    r.Number(kPlacement, "Right", s.Right, "");
    r.Number(kPlacement, "Top", s.Top, "");
    r.Number(kPlacement, "Bottom", s.Bottom, "");

    r.Number(kPreferences, "UpdatesBefore", s.UpdatesBefore, "0");
    r.Number(kPreferences, "UpdatesAfter", s.UpdatesAfter, "1");
    r.Number(kPreferences, "AutoExclude", s.AutoExclude, "1");
    r.Number(kPreferences, "ViewComments", s.ViewComments, "1");
    r.Number(kPreferences, "IgnoreCRC", s.IgnoreCRC, "0");
    r.Number(kPreferences, "ProgTimeSec", s.ProgTimeSec, "0");
    r.Number(kPreferences, "FontSize", s.FontSize, "8");
    r.Number(kPreferences, "FontSizeW", s.FontSizeW, "8");
    r.Number(kPreferences, "FontSizeS", s.FontSizeS, "8");
    r.Number(kPreferences, "FontSizeE", s.FontSizeE, "8");
    r.Number(kPreferences, "FontSizePO", s.FontSizePO, "8");
    r.Number(kPreferences, "FontSizeSF", s.FontSizeSF, "8");
    r.Number(kPreferences, "Snapsize", s.Snapsize, "50");
    r.Number(kPreferences, "MaxTimeDiff", s.MaxTimeDiff, "60");
    s.FixedFont = "Consolas";
    r.Text(kPreferences, "FixedFont", s.FixedFont, kFontNameLimit);
    s.PropFont = "Tahome";
    r.Text(kPreferences, "PropFont", s.PropFont, kFontNameLimit);
    r.Number(kPreferences, "HighLightLabel", s.HighLightLabel, "1");
    r.Number(kPreferences, "SourceLines", s.SourceLines, "60");
    r.Number(kPreferences, "SourceHighlight", s.SourceHighlight, "40");
    r.Number(kPreferences, "DefaultAddressRadix", s.DefaultAddressRadix, "0");
    r.Number(kPreferences, "DefaultDataRadix", s.DefaultDataRadix, "0");
    r.Number(kPreferences, "IntialSortCol", s.IntialSortCol, "1");
    r.Number(kPreferences, "IntialSortDir", s.IntialSortDir, "0");
    r.Number(kWatchPlacement, "WatchVisible", s.WatchVisible, "0");
    r.Number("Plot", "Visible", s.PlotVisible, "0");
    r.Number(kPreferences, "DisplayFullPath", s.DisplayFullPath, "0");

    r.Number(kComms, "Port", s.Port, "1");
    r.Number(kComms, "Baud", s.Baud, "0");
    if (!SupportedBaud(s.Baud)) s.Baud = 0;
    r.Number(kComms, "TimeOut", s.TimeOut, "0");
    r.Number(kComms, "DontAsk", s.DontAsk, "0");

    r.Number(kDebug, "UDTdisplay", s.UDTdisplay, "0");

    r.Number(kPreferences, "AlwaysOnTop", s.AlwaysOnTop, "0");
    r.Number(kPreferences, "AlwaysOnTopW", s.AlwaysOnTopW, "0");
    r.Number(kPreferences, "AlwaysOnTopS", s.AlwaysOnTopS, "0");
    r.Number(kPreferences, "AlwaysOnTopE", s.AlwaysOnTopE, "0");
    r.Number(kPreferences, "AlwaysOnTopPO", s.AlwaysOnTopPO, "0");
    r.Number(kPreferences, "AlwaysOnTopSF", s.AlwaysOnTopSF, "0");

    const Settings defaults;
    const std::pair<const char*, std::string Settings::*> locations[] = {
        {"PPI", &Settings::PPI},
        {"PDF", &Settings::PDF},
        {"PDFReader", &Settings::PDFReader},
        {"Errata", &Settings::Errata},
        {"Pinout", &Settings::Pinout},
        {"Logic", &Settings::Logic},
        {"BitCalc", &Settings::BitCalc},
        {"Xplorer", &Settings::Xplorer},
        {"Proton", &Settings::Proton},
        {"PicKitDat", &Settings::PicKitDat},
        {"UserTool1Name", &Settings::UserTool1Name},
        {"UserTool2Name", &Settings::UserTool2Name},
        {"UserTool1Path", &Settings::UserTool1Path},
        {"UserTool2Path", &Settings::UserTool2Path},
        {"UserTool1Par", &Settings::UserTool1Par},
        {"UserTool2Par", &Settings::UserTool2Par},
    };
    for (const auto& [key, field] : locations) {
        s.*field = doc.Read(kLocations, key, defaults.*field);
    }

    for (int c = 0; c < 7; ++c) {
        r.Number(kPlacement, ("Column" + std::to_string(c)).c_str(), s.Column[c], "0");
    }
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

void SaveSettings(const Settings& s, const MainWindowSnapshot& snap, const VarTable& records,
                  HostOs& os, const std::string& path) {
    const auto before = os.ReadFile(path);
    // A file that exists but cannot be read is left alone rather than replaced.
    if (!before && os.FileExists(path)) return;
    IniDocument doc(before.value_or(std::string()));
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
    if (before && doc.Text() == *before) return;
    os.WriteFile(path, doc.Text());
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

bool SaveSettingsOnClose(Session& session, const MainWindowSnapshot& snap, HostOs& os) {
    if (session.run.SaveOnExit == 0) return false;
    VarTable records;
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        records = session.records;
    }
    SaveSettings(session.settings, snap, records, os, session.project.settingsPath);
    return true;
}

}  // namespace varnolux
