#include "project/load/watched_items.h"
#include "text/text_util.h"

#include <cstdio>

namespace varnolux {

namespace {
const char* const kSection = "Watched Items";
}

std::string WatchKey(int index) {
    char key[16];
    std::snprintf(key, sizeof key, "Watch%02d", index);
    return key;
}

void RestoreWatchedItems(VarTable& records, const HostOs& os, const std::string& settingsPath) {
    const IniDocument doc(os.ReadFile(settingsPath).value_or(std::string()));
    for (int i = 0; i < kWatchKeys; ++i) {
        const std::string name = TrimBlanks(doc.Read(kSection, WatchKey(i), ""));
        if (name.empty()) return;
        for (MyVarRecord& r : records) {
            if (TrimTrailingBlanks(r.VarLabel) == name) r.VarInWatchList = 1;
        }
    }
}

void SaveWatchedItems(const VarTable& records, IniDocument& doc) {
    int written = 0;
    for (const MyVarRecord& r : records) {
        if (written == kWatchKeys) break;
        if (r.VarInWatchList == 0) continue;
        doc.Write(kSection, WatchKey(written), TrimTrailingBlanks(r.VarLabel));
        ++written;
    }
    if (written < kWatchKeys - 1) doc.Write(kSection, WatchKey(written), "");
}

}  // namespace varnolux
