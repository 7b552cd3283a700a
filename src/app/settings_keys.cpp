#include "app/settings_keys.h"

namespace varnolux {

namespace {

constexpr size_t kFontNameLimit = 30;

SettingKey Number(const char* section, const char* key, int32_t Settings::*field,
                  const char* comment) {
    SettingKey k{section, key, comment};
    k.number = field;
    return k;
}

SettingKey Text(const char* section, const char* key, std::string Settings::*field,
                const char* comment, size_t limit = std::string::npos) {
    SettingKey k{section, key, comment};
    k.text = field;
    k.limit = limit;
    return k;
}

SettingKey Example(const char* section, const char* key, std::string Settings::*field,
                   const char* comment) {
    SettingKey k = Text(section, key, field, comment);
    k.example = true;
    return k;
}

SettingKey Column(int c) {
    static const char* const names[] = {"Column0", "Column1", "Column2", "Column3",
                                        "Column4", "Column5", "Column6"};
    static const char* const comments[] = {
        "width of the main list's Watch column in pixels (0: built-in width)",
        "width of the Label column (0: built-in width)",
        "width of the Type column (0: built-in width)",
        "width of the Address column (0: built-in width)",
        "width of the Value column (0: built-in width)",
        "width of the Previous column (0: built-in width)",
        "width of the Comment column (0: built-in width)"};
    SettingKey k{"Window Placement", names[c], comments[c]};
    k.column = c;
    return k;
}

std::vector<SettingKey> BuildKeys() {
    using S = Settings;
    const char* const comms = "Comms";
    const char* const prefs = "Preferences";
    const char* const place = "Window Placement";
    const char* const loc = "Locations";
    std::vector<SettingKey> k = {
        Number(comms, "Port", &S::Port, "COM port number of the target's serial line (1 is COM1)"),
        Number(comms, "Baud", &S::Baud,
               "9600, 19200, 38400, 57600 or 115200; 0 finds the rate itself"),
        Number(comms, "TimeOut", &S::TimeOut, "read, without effect"),
        Number(comms, "DontAsk", &S::DontAsk,
               "1: do not ask when the port is not among the system's serial ports"),

        Number(prefs, "DefaultAddressRadix", &S::DefaultAddressRadix,
               "radix of every address at load: 0 keep, 1 decimal, 2 hexadecimal"),
        Number(prefs, "DefaultDataRadix", &S::DefaultDataRadix,
               "radix of every value at load: 0 keep, 1 decimal, 2 hexadecimal, 3 binary"),
        Number(prefs, "ViewComments", &S::ViewComments,
               "1: the main list shows the Comment column"),
        Number(prefs, "HighLightLabel", &S::HighLightLabel,
               "a changed value is marked on its Label (1) or on its Value (0)"),
        Number(prefs, "AutoExclude", &S::AutoExclude, "filter: 1 auto exclude, 0 manual exclude"),
        Number(prefs, "DisplayFullPath", &S::DisplayFullPath,
               "1: the title shows the folder and the project, 0: the project's name"),
        Number(prefs, "AlwaysOnTop", &S::AlwaysOnTop, "1: the main window stays on top"),
        Number(prefs, "AlwaysOnTopW", &S::AlwaysOnTopW, "1: the Watch window stays on top"),
        Number(prefs, "AlwaysOnTopS", &S::AlwaysOnTopS, "1: the Source window stays on top"),
        Number(prefs, "AlwaysOnTopE", &S::AlwaysOnTopE, "1: the EEPROM window stays on top"),
        Number(prefs, "AlwaysOnTopPO", &S::AlwaysOnTopPO,
               "1: the Port and Pinout windows stay on top"),
        Number(prefs, "AlwaysOnTopSF", &S::AlwaysOnTopSF, "1: the SFR window stays on top"),
        Number(prefs, "FontSize", &S::FontSize, "font size in points of the main list"),
        Number(prefs, "FontSizeW", &S::FontSizeW, "font size of the Watch window"),
        Number(prefs, "FontSizeS", &S::FontSizeS, "font size of the Source window"),
        Number(prefs, "FontSizeE", &S::FontSizeE, "font size of the EEPROM window"),
        Number(prefs, "FontSizePO", &S::FontSizePO, "font size of the Port and Pinout windows"),
        Number(prefs, "FontSizeSF", &S::FontSizeSF, "font size of the SFR window"),
        Text(prefs, "FixedFont", &S::FixedFont,
             "fixed-pitch face of the Source, EEPROM and SFR windows", kFontNameLimit),
        Text(prefs, "PropFont", &S::PropFont,
             "proportional face of the main list, Port and Watch windows", kFontNameLimit),
        Number(prefs, "SourceLines", &S::SourceLines, "source lines loaded around the dump point"),
        Number(prefs, "SourceHighlight", &S::SourceHighlight,
               "where the dump point's line stands among them"),
        Number(prefs, "Snapsize", &S::Snapsize,
               "distance in pixels within which a moved window snaps to an edge"),
        Number(
            prefs, "MaxTimeDiff", &S::MaxTimeDiff,
            "largest accepted gap in seconds between the project files' times and the build stamp"),
        Number(prefs, "ProgTimeSec", &S::ProgTimeSec, "1: the build stamp carries seconds"),
        Number(prefs, "UpdatesBefore", &S::UpdatesBefore,
               "1: a pending request goes out at the start of a transaction"),
        Number(prefs, "UpdatesAfter", &S::UpdatesAfter,
               "1: a pending request goes out at the end of a transaction"),
        Number(prefs, "IgnoreCRC", &S::IgnoreCRC, "switch of the dump protocol's CRC check"),
        Number(prefs, "IntialSortCol", &S::IntialSortCol, "read, without effect"),
        Number(prefs, "IntialSortDir", &S::IntialSortDir, "read, without effect"),

        Number(place, "Left", &S::Left,
               "main window's left edge in pixels (all four 0: first placement)"),
        Number(place, "Right", &S::Right, "main window's right edge"),
        Number(place, "Top", &S::Top, "main window's top edge"),
        Number(place, "Bottom", &S::Bottom, "main window's bottom edge"),
    };
    for (int c = 0; c < 7; ++c) k.push_back(Column(c));
    k.push_back(Number("Watch Placement", "WatchVisible", &S::WatchVisible,
                       "1: the Watch window opens at start"));
    k.push_back(Number("Plot", "Visible", &S::PlotVisible, "1: the Plot window opens at start"));
    const SettingKey locations[] = {
        Text(loc, "PPI", &S::PPI,
             "folder of the device description files (relative: beside the program)"),
        Example(loc, "PDF", &S::PDF, "folder of the datasheets and their .link files"),
        Example(loc, "PDFReader", &S::PDFReader, "PDF reader for datasheets and errata"),
        Example(loc, "Errata", &S::Errata, "folder of the errata sheets"),
        Example(loc, "Pinout", &S::Pinout, "folder of the pinout pictures"),
        Text(loc, "Logic", &S::Logic, "logic analyser program of the Tools menu"),
        Text(loc, "BitCalc", &S::BitCalc, "bit calculator program of the Tools menu"),
        Text(loc, "Xplorer", &S::Xplorer, "file explorer program of the Tools menu"),
        Text(loc, "Proton", &S::Proton, "the Proton IDE, opened at the dump point"),
        Text(loc, "PicKitDat", &S::PicKitDat,
             "device programmer's data file searched for device signatures"),
        Text(loc, "UserTool1Name", &S::UserTool1Name, "menu text of the first user tool"),
        Text(loc, "UserTool2Name", &S::UserTool2Name, "menu text of the second user tool"),
        Text(loc, "UserTool1Path", &S::UserTool1Path, "program of the first user tool"),
        Text(loc, "UserTool2Path", &S::UserTool2Path, "program of the second user tool"),
        Text(loc, "UserTool1Par", &S::UserTool1Par, "parameters given to the first user tool"),
        Text(loc, "UserTool2Par", &S::UserTool2Par, "parameters given to the second user tool"),
    };
    k.insert(k.end(), std::begin(locations), std::end(locations));
    k.push_back(Number("Debug", "UDTdisplay", &S::UDTdisplay,
                       "1: record diagnostics window and packet trace file"));
    return k;
}

}  // namespace

const std::vector<SettingKey>& SettingKeys() {
    static const std::vector<SettingKey> keys = BuildKeys();
    return keys;
}

std::string SettingText(const Settings& s, const SettingKey& key) {
    if (key.number) return std::to_string(s.*key.number);
    if (key.text) return s.*key.text;
    return std::to_string(s.Column[key.column]);
}

std::string DefaultSettingsFile() {
    const Settings defaults;
    std::string out =
        "; Varnolux.ini: every setting at its default. Keep this file beside\r\n"
        "; Varnolux.exe; the program writes window placements and the watch list\r\n"
        "; here when it closes. A key written \";Key=value\" is an example: remove\r\n"
        "; the \";\" and set the path of your machine.\r\n";
    std::string section;
    for (const SettingKey& key : SettingKeys()) {
        if (section != key.section) {
            section = key.section;
            out += "\r\n[" + section + "]\r\n";
        }
        out += "; " + std::string(key.comment) + "\r\n";
        out += (key.example ? ";" : "") + std::string(key.key) + "=" + SettingText(defaults, key) +
               "\r\n";
    }
    return out;
}

}  // namespace varnolux
