#include "app/settings_keys.h"

namespace varnolux {

namespace {

constexpr size_t kFontNameLimit = 30;

// The builders leave the section to Section, which gives it to all its keys.
SettingKey Number(const char* key, int32_t Settings::*field, const char* comment) {
    SettingKey k{nullptr, key, comment};
    k.number = field;
    return k;
}

SettingKey Text(const char* key, std::string Settings::*field, const char* comment,
                size_t limit = std::string::npos) {
    SettingKey k{nullptr, key, comment};
    k.text = field;
    k.limit = limit;
    return k;
}

SettingKey Example(const char* key, std::string Settings::*field, const char* comment) {
    SettingKey k = Text(key, field, comment);
    k.example = true;
    return k;
}

SettingKey Column(int c, const char* comment) {
    static const char* const names[] = {"Column0", "Column1", "Column2", "Column3",
                                        "Column4", "Column5", "Column6"};
    SettingKey k{nullptr, names[c], comment};
    k.column = c;
    return k;
}

void Section(std::vector<SettingKey>& keys, const char* section,
             std::initializer_list<SettingKey> inSection) {
    for (SettingKey key : inSection) {
        key.section = section;
        keys.push_back(key);
    }
}

std::vector<SettingKey> BuildKeys() {
    using S = Settings;
    std::vector<SettingKey> k;
    Section(k, "Comms",
            {
                Number("Port", &S::Port,
                       "the target's serial line: COM port number (1 is COM1), "
                       "rfc2217://HOST:PORT or tcp://HOST:PORT"),
                Number("Baud", &S::Baud,
                       "9600, 19200, 38400, 57600 or 115200; 0 finds the rate itself"),
                Number("TimeOut", &S::TimeOut, "read, without effect"),
                Number("DontAsk", &S::DontAsk,
                       "1: do not ask when the port is not among the system's serial ports"),
            });
    Section(
        k, "Preferences",
        {
            Number("DefaultAddressRadix", &S::DefaultAddressRadix,
                   "radix of every address at load: 0 keep, 1 decimal, 2 hexadecimal"),
            Number("DefaultDataRadix", &S::DefaultDataRadix,
                   "radix of every value at load: 0 keep, 1 decimal, 2 hexadecimal, 3 binary"),
            Number("ViewComments", &S::ViewComments, "1: the main list shows the Comment column"),
            Number("HighLightLabel", &S::HighLightLabel,
                   "a changed value is marked on its Label (1) or on its Value (0)"),
            Number("AutoExclude", &S::AutoExclude, "filter: 1 auto exclude, 0 manual exclude"),
            Number("DisplayFullPath", &S::DisplayFullPath,
                   "1: the title shows the folder and the project, 0: the project's name"),
            Number("AlwaysOnTop", &S::AlwaysOnTop, "1: the main window stays on top"),
            Number("AlwaysOnTopW", &S::AlwaysOnTopW, "1: the Watch window stays on top"),
            Number("AlwaysOnTopS", &S::AlwaysOnTopS, "1: the Source window stays on top"),
            Number("AlwaysOnTopE", &S::AlwaysOnTopE, "1: the EEPROM window stays on top"),
            Number("AlwaysOnTopPO", &S::AlwaysOnTopPO,
                   "1: the Port and Pinout windows stay on top"),
            Number("AlwaysOnTopSF", &S::AlwaysOnTopSF, "1: the SFR window stays on top"),
            Number("FontSize", &S::FontSize, "font size in points of the main list"),
            Number("FontSizeW", &S::FontSizeW, "font size of the Watch window"),
            Number("FontSizeS", &S::FontSizeS, "font size of the Source window"),
            Number("FontSizeE", &S::FontSizeE, "font size of the EEPROM window"),
            Number("FontSizePO", &S::FontSizePO, "font size of the Port and Pinout windows"),
            Number("FontSizeSF", &S::FontSizeSF, "font size of the SFR window"),
            Text("FixedFont", &S::FixedFont,
                 "fixed-pitch face of the Source, EEPROM and SFR windows", kFontNameLimit),
            Text("PropFont", &S::PropFont,
                 "proportional face of the main list, Port and Watch windows", kFontNameLimit),
            Number("SourceLines", &S::SourceLines, "source lines loaded around the dump point"),
            Number("SourceHighlight", &S::SourceHighlight,
                   "where the dump point's line stands among them"),
            Number("Snapsize", &S::Snapsize,
                   "distance in pixels within which a moved window snaps to an edge"),
            Number("MaxTimeDiff", &S::MaxTimeDiff,
                   "largest accepted gap in seconds between the project files' times and the "
                   "build stamp"),
            Number("ProgTimeSec", &S::ProgTimeSec, "1: the build stamp carries seconds"),
            Number("UpdatesBefore", &S::UpdatesBefore,
                   "1: a pending request goes out at the start of a transaction"),
            Number("UpdatesAfter", &S::UpdatesAfter,
                   "1: a pending request goes out at the end of a transaction"),
            Number("IgnoreCRC", &S::IgnoreCRC,
                   "1 switches off the dump protocol's CRC check (packets with a wrong CRC "
                   "are taken); 0 checks it"),
            Number("IntialSortCol", &S::IntialSortCol, "read, without effect"),
            Number("IntialSortDir", &S::IntialSortDir, "read, without effect"),
        });
    Section(k, "Window Placement",
            {
                Number("Left", &S::Left,
                       "main window's left edge in pixels (all four 0: first placement)"),
                Number("Right", &S::Right, "main window's right edge"),
                Number("Top", &S::Top, "main window's top edge"),
                Number("Bottom", &S::Bottom, "main window's bottom edge"),
                Column(0, "width of the main list's Watch column in pixels (0: built-in width)"),
                Column(1, "width of the Label column (0: built-in width)"),
                Column(2, "width of the Type column (0: built-in width)"),
                Column(3, "width of the Address column (0: built-in width)"),
                Column(4, "width of the Value column (0: built-in width)"),
                Column(5, "width of the Previous column (0: built-in width)"),
                Column(6, "width of the Comment column (0: built-in width)"),
            });
    Section(k, "Watch Placement",
            {Number("WatchVisible", &S::WatchVisible, "1: the Watch window opens at start")});
    Section(k, "Plot", {Number("Visible", &S::PlotVisible, "1: the Plot window opens at start")});
    Section(k, "Locations",
            {
                Text("PPI", &S::PPI,
                     "folder of the device description files (relative: beside the program)"),
                Example("PDF", &S::PDF, "folder of the datasheets and their .link files"),
                Example("PDFReader", &S::PDFReader, "PDF reader for datasheets and errata"),
                Example("Errata", &S::Errata, "folder of the errata sheets"),
                Example("Pinout", &S::Pinout, "folder of the pinout pictures"),
                Example("Logic", &S::Logic, "logic analyser program of the Tools menu"),
                Example("BitCalc", &S::BitCalc, "bit calculator program of the Tools menu"),
                Example("Xplorer", &S::Xplorer, "file explorer program of the Tools menu"),
                Text("Proton", &S::Proton, "the Proton IDE, opened at the dump point"),
                Text("PicKitDat", &S::PicKitDat,
                     "device programmer's data file searched for device signatures"),
                Text("UserTool1Name", &S::UserTool1Name, "menu text of the first user tool"),
                Text("UserTool2Name", &S::UserTool2Name, "menu text of the second user tool"),
                Text("UserTool1Path", &S::UserTool1Path, "program of the first user tool"),
                Text("UserTool2Path", &S::UserTool2Path, "program of the second user tool"),
                Text("UserTool1Par", &S::UserTool1Par, "parameters given to the first user tool"),
                Text("UserTool2Par", &S::UserTool2Par, "parameters given to the second user tool"),
            });
    Section(k, "Debug",
            {Number("UDTdisplay", &S::UDTdisplay,
                    "1: record diagnostics window and packet trace file")});
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
