#include "seams/settings_file.h"

namespace varnolux {

SettingsWrite EditSettingsFile(HostOs& os, const std::string& path,
                               const std::function<void(IniDocument&)>& edit) {
    const auto before = os.ReadFile(path);
    // A file that exists but cannot be read is left alone rather than replaced.
    if (!before && os.FileExists(path)) return SettingsWrite::Failed;
    IniDocument doc(before.value_or(std::string()));
    edit(doc);
    if (before && doc.Text() == *before) return SettingsWrite::Unchanged;
    return os.WriteFile(path, doc.Text()) ? SettingsWrite::Written : SettingsWrite::Failed;
}

SettingsWrite IniWrite(HostOs& os, const std::string& file, const std::string& section,
                       const std::string& key, const std::string& value) {
    return EditSettingsFile(os, file, [&](IniDocument& doc) { doc.Write(section, key, value); });
}

std::string SettingsWriteFailedText(const std::string& path) {
    return "The settings could not be saved to " + path +
           "\r\n\r\nThe file or its folder is read-only, or the disk is full. "
           "The file was left as it was; changes made in this session are not kept.";
}

void ReportSettingsWrite(SettingsWrite result, std::atomic<int32_t>& reported, Prompts& prompts,
                         const std::string& path) {
    if (result != SettingsWrite::Failed || reported.exchange(1) != 0) return;
    PromptRequest box;
    box.text = SettingsWriteFailedText(path);
    box.icon = PromptIcon::Exclamation;
    prompts.Show(box);
}

}  // namespace varnolux
