#pragma once
// uiprobe: reads and drives another process's windows for the end-to-end tests.
// Every call that talks to the target has a time-out, so a hung program makes
// the probe fail instead of hang.
#include <windows.h>

#include <string>
#include <vector>

namespace uiprobe {

// Top-level window of the class (and, when title is not empty, that title), or null.
HWND FindTop(const std::string& className, const std::string& title = std::string());
// Waits up to seconds for the window to exist (and, when visible is set, to be
// shown); null when it did not.
HWND WaitForWindow(const std::string& className, double seconds, bool visible = false);
// Waits up to seconds until no window of the class is left.
bool WaitForNoWindow(const std::string& className, double seconds);
// Child control by its ID, searched through every level of children.
HWND FindChild(HWND parent, int id);
// First child of the class.
HWND FindChildOfClass(HWND parent, const std::string& className);

// SendMessage with a time-out; false when the target did not answer.
bool Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
std::string WindowText(HWND hwnd);

// Memory inside the process that owns a window, for messages whose arguments are
// pointers the system does not carry across processes (status bar, list view).
// The probe and the program must have the same bitness, as the structures are
// laid out as the probe sees them.
class RemoteMemory {
  public:
    RemoteMemory(HWND owner, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    bool ok() const { return address_ != nullptr; }
    void* address() const { return address_; }
    char* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size);
    bool Read(size_t offset, void* data, size_t size) const;

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// Readers; false when the control or the text could not be read.
bool StatusParts(HWND statusBar, std::vector<int>* rightEdges);
bool StatusText(HWND statusBar, int part, std::string* text);
// The beginning of a status bar part's text that the part is wide enough to show.
bool StatusShownText(HWND statusBar, int part, std::string* shown);
bool ListCell(HWND list, int row, int column, std::string* text);
int ListRowCount(HWND list);
int ListColumnCount(HWND list);
bool ListColumn(HWND list, int column, int* width, std::string* text);
bool ComboEntries(HWND combo, std::vector<std::string>* entries);
bool SelectListRow(HWND list, int row);
// The rectangle of a list view cell in the list's client coordinates: `part`
// LVIR_BOUNDS (for column 0 the whole row) or LVIR_LABEL.
bool ListCellRect(HWND list, int row, int column, int part, RECT* rect);
// The colour on screen just inside a visible list view cell; false when the
// cell is not in view.
bool ListCellColour(HWND list, int row, int column, COLORREF* colour);
// How many texts of a list view (headers and cells) are wider than their
// column; the first of them in `first`. -1 when the list cannot be read.
int CutTexts(HWND list, std::string* first, int onlyColumn = -1);
// How many different colours the window shows on screen (1: a blank box).
int ScreenColourCount(HWND window);
// Posts a click at the centre of a list view cell.
enum class Click { Left, Double, Right };
bool ClickListCell(HWND list, int row, int column, Click click);
// Closes the open popup menu as the Escape key does.
bool ClosePopupMenu();

// The command items of the menu resource ID in a program file, through every
// popup: "id<tab>text" each.
bool MenuResourceItems(const std::string& file, int menuId, std::vector<std::string>* lines);

// Runs one command line; returns the process exit code (0 success, 1 failure).
int Run(const std::vector<std::string>& args);

}  // namespace uiprobe
