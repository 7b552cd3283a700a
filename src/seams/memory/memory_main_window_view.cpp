#include "seams/memory/memory_main_window_view.h"

#include "seams/main_ids.h"

namespace varnolux {

void MemoryMainWindowView::SetStatusText(int part, const std::string& text) {
    if (part < 0 || part > ids::kStatusRecordingPart) return;
    status_[part] = text;
    statusLog.emplace_back(part, text);
}

std::string MemoryMainWindowView::StatusText(int part) const {
    if (part < 0 || part > ids::kStatusRecordingPart) return {};
    return status_[part];
}

std::string MemoryMainWindowView::ControlText(int id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
}

void MemoryMainWindowView::EnableControl(int id, bool enabled) {
    if (enabled)
        disabled_.erase(id);
    else
        disabled_.insert(id);
}

void MemoryMainWindowView::SetChecked(int id, bool checked) {
    if (checked)
        checked_.insert(id);
    else
        checked_.erase(id);
}

void MemoryMainWindowView::ClearComboEntries(int id) {
    combos_[id].clear();
    selection_[id] = -1;
}

void MemoryMainWindowView::AddComboEntry(int id, const std::string& text) {
    combos_[id].push_back(text);
}

std::vector<std::string> MemoryMainWindowView::ComboEntries(int id) const {
    auto it = combos_.find(id);
    return it == combos_.end() ? std::vector<std::string>() : it->second;
}

int MemoryMainWindowView::ComboSelection(int id) const {
    auto it = selection_.find(id);
    return it == selection_.end() ? -1 : it->second;
}

}  // namespace varnolux
