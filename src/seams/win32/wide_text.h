#pragma once
// The program keeps its texts as bytes: names from the file system in UTF-8,
// texts out of project files and from the target in the Windows code page.
// At the Win32 edges they become UTF-16: a text that is valid UTF-8 is taken
// as such, any other as the code page (CP_ACP). Texts coming back are UTF-8,
// so any name the file system has, a CJK folder included, survives the trip.
#include <windows.h>

#include <string>

namespace varnolux {

std::wstring WideFromText(const std::string& text);
// A text in the code page only, as an ANSI call would take it.
std::wstring WideFromCodePage(const std::string& text);
std::string TextFromWide(const wchar_t* text, size_t length);
inline std::string TextFromWide(const std::wstring& text) {
    return TextFromWide(text.data(), text.size());
}

}  // namespace varnolux
