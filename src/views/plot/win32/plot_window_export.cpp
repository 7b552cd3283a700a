// The Plot window's exports: the picture as PNG and the dumps as CSV (all of
// them, or the range the user zoomed to), each to a file the user names in the
// standard save dialog.
#include <windows.h>

#include <commdlg.h>
#include <gdiplus.h>

#include <vector>

#include "seams/calendar.h"
#include "seams/win32/wide_text.h"
#include "views/plot/plot_cursor.h"
#include "views/plot/win32/plot_window.h"

namespace varnolux {

namespace {

namespace gdip = Gdiplus::DllExports;

// The file the user chose, `offered` at first; empty when cancelled.
std::wstring AskSaveName(HWND owner, const wchar_t* filter, const wchar_t* extension,
                         const wchar_t* title, const std::wstring& offered = std::wstring()) {
    wchar_t name[MAX_PATH] = L"";
    offered.copy(name, MAX_PATH - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = name;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = extension;
    ofn.lpstrTitle = title;
    ofn.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetSaveFileNameW(&ofn) ? std::wstring(name) : std::wstring();
}

bool PngEncoder(CLSID* clsid) {
    UINT count = 0, size = 0;
    if (gdip::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (gdip::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            *clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The bitmap as a PNG file through GDI+.
bool WritePng(HBITMAP bitmap, const std::wstring& path) {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    bool written = false;
    CLSID png;
    Gdiplus::GpBitmap* image = nullptr;
    if (PngEncoder(&png) &&
        gdip::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
        written = gdip::GdipSaveImageToFile(image, path.c_str(), &png, nullptr) == Gdiplus::Ok;
        gdip::GdipDisposeImage(image);
    }
    Gdiplus::GdiplusShutdown(token);
    return written;
}

}  // namespace

void PlotWindow::SavePicture() {
    const std::wstring path =
        AskSaveName(Handle(), L"PNG picture (*.png)\0*.png\0", L"png", L"Save picture");
    if (path.empty()) return;
    const RECT area = PlotClient();
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(Handle());
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    DrawInto(memory, width, height);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(Handle(), screen);
    const bool written = WritePng(bitmap, path);
    DeleteObject(bitmap);
    if (!written) prompts_.Inform("The picture could not be written to " + TextFromWide(path));
}

void PlotWindow::SaveData() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    const LocalTime now{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    const std::wstring path =
        AskSaveName(Handle(), L"CSV data (*.csv)\0*.csv\0", L"csv", L"Save data",
                    WideFromText(TimeStampedName(session_.project.baseName, now, ".csv")));
    if (path.empty()) return;
    feed_.TakeWaiting();
    const std::string csv = PlotCsv(store_, view_.axis, SavedRange(view_, store_));
    if (!os_.WriteFile(TextFromWide(path), csv))
        prompts_.Inform("The data could not be written to " + TextFromWide(path));
}

}  // namespace varnolux
