// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include "probe.h"

namespace uiprobe {

namespace {

constexpr size_t kTextMax = 4096;

// Reads a zero-terminated text of at most kTextMax bytes at offset.
bool ReadText(const RemoteMemory& memory, size_t offset, std::string* text) {
    std::string buffer(kTextMax, '\0');
    if (!memory.Read(offset, &buffer[0], buffer.size())) return false;
    buffer[kTextMax - 1] = '\0';
    *text = buffer.c_str();
    return true;
}

}  // namespace

bool StatusParts(HWND statusBar, std::vector<int>* rightEdges) {
    constexpr int kMaxParts = 256;
    RemoteMemory memory(statusBar, kMaxParts * sizeof(int));
    LRESULT count = 0;
    if (!memory.ok() ||
        !Send(statusBar, SB_GETPARTS, kMaxParts, reinterpret_cast<LPARAM>(memory.address()),
              &count) ||
        count < 0 || count > kMaxParts)
        return false;
    rightEdges->assign(static_cast<size_t>(count), 0);
    return count == 0 || memory.Read(0, rightEdges->data(), count * sizeof(int));
}

bool StatusText(HWND statusBar, int part, std::string* text) {
    LRESULT length = 0;
    if (!Send(statusBar, SB_GETTEXTLENGTHA, part, 0, &length)) return false;
    const size_t size = LOWORD(length) + 1;
    RemoteMemory memory(statusBar, size);
    if (!memory.ok() || !memory.Write(0, "", 1) ||
        !Send(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(memory.address()), nullptr))
        return false;
    std::string buffer(size, '\0');
    if (!memory.Read(0, &buffer[0], size)) return false;
    buffer[size - 1] = '\0';
    *text = buffer.c_str();
    return true;
}

bool ListCell(HWND list, int row, int column, std::string* text) {
    RemoteMemory memory(list, sizeof(LVITEMA) + kTextMax);
    if (!memory.ok()) return false;
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = memory.at(sizeof(LVITEMA));
    item.cchTextMax = kTextMax;
    if (!memory.Write(0, &item, sizeof item) || !memory.Write(sizeof item, "", 1) ||
        !Send(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(memory.address()), nullptr))
        return false;
    return ReadText(memory, sizeof item, text);
}

int ListRowCount(HWND list) {
    LRESULT count = 0;
    return Send(list, LVM_GETITEMCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

int ListColumnCount(HWND list) {
    LRESULT header = 0, count = 0;
    if (!Send(list, LVM_GETHEADER, 0, 0, &header) || !header) return -1;
    return Send(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, &count)
               ? static_cast<int>(count)
               : -1;
}

bool ListColumn(HWND list, int column, int* width, std::string* text) {
    RemoteMemory memory(list, sizeof(LVCOLUMNA) + kTextMax);
    if (!memory.ok()) return false;
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = memory.at(sizeof(LVCOLUMNA));
    col.cchTextMax = kTextMax;
    LRESULT ok = 0;
    if (!memory.Write(0, &col, sizeof col) || !memory.Write(sizeof col, "", 1) ||
        !Send(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(memory.address()), &ok) ||
        !ok || !memory.Read(0, &col, sizeof col))
        return false;
    *width = col.cx;
    return ReadText(memory, sizeof col, text);
}

bool ComboEntries(HWND combo, std::vector<std::string>* entries) {
    // Wide messages: Wine hands CB_GETLBTEXT's text across processes as UTF-16
    // even when the narrow message was sent.
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(combo, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count) ||
        static_cast<LRESULT>(count) < 0)
        return false;
    entries->clear();
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, SMTO_ABORTIFHUNG, 5000, &length) ||
            static_cast<LRESULT>(length) < 0)
            return false;
        std::wstring wide(length + 1, L'\0');
        if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&wide[0]),
                                 SMTO_ABORTIFHUNG, 5000, nullptr))
            return false;
        char narrow[kTextMax] = {};
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, narrow, sizeof narrow - 1, nullptr,
                            nullptr);
        entries->push_back(narrow);
    }
    return true;
}

bool ListCellRect(HWND list, int row, int column, int part, RECT* rect) {
    RemoteMemory memory(list, sizeof(RECT));
    RECT cell = {};
    cell.top = column;
    cell.left = part;
    LRESULT ok = 0;
    if (!memory.ok() || !memory.Write(0, &cell, sizeof cell) ||
        !Send(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(memory.address()), &ok) ||
        !ok || !memory.Read(0, &cell, sizeof cell))
        return false;
    *rect = cell;
    return true;
}

bool SelectListRow(HWND list, int row) {
    RemoteMemory memory(list, sizeof(LVITEMA));
    if (!memory.ok()) return false;
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    if (!memory.Write(0, &item, sizeof item) ||
        !Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
              reinterpret_cast<LPARAM>(memory.address()), nullptr))
        return false;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    LRESULT ok = 0;
    return memory.Write(0, &item, sizeof item) &&
           Send(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(memory.address()), &ok) && ok;
}

}  // namespace uiprobe
