// The host's files and clock through the Win32 API. Paths are UTF-8 (or
// code-page text) inside the program and wide at the API.
#include "seams/system_host_os.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "seams/win32/wide_text.h"

namespace varnolux {

namespace {

FileTime FromFiletime(const FILETIME& ft) {
    return (static_cast<FileTime>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

FILETIME ToFiletime(FileTime t) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(t & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
    return ft;
}

bool LocalSystemTime(FileTime t, SYSTEMTIME& st) {
    FILETIME utc = ToFiletime(t);
    FILETIME local;
    return FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &st);
}

// Writes the whole buffer, in pieces small enough for one WriteFile call.
bool WriteAll(HANDLE file, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, data.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Opens the file for `access` as `disposition` says and writes the data to it.
bool WriteToFile(const std::wstring& path, DWORD access, DWORD disposition,
                 const std::string& data) {
    HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = WriteAll(file, data);
    return CloseHandle(file) && ok;
}

// The path as the API takes it: the anchor before a relative one.
std::wstring Native(const std::string& anchor, const std::string& path) {
    return IsRelativePath(path) ? WideFromText(anchor) + WideFromText(path) : WideFromText(path);
}

}  // namespace

void SystemHostOs::AnchorRelativePaths() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(length, L'\0');
    const DWORD written = GetCurrentDirectoryW(length, &folder[0]);
    folder.resize(written < length ? written : 0);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    anchor_ = TextFromWide(folder);
}

std::string SystemHostOs::ProgramFolder() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::string() : TextFromWide(path.substr(0, slash + 1));
}

std::vector<DirEntry> SystemHostOs::ListDirectory(const std::string& folder) const {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
    pattern += '*';
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Native(anchor_, pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0)
            continue;
        DirEntry entry;
        entry.name = TextFromWide(found.cFileName, std::wcslen(found.cFileName));
        entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.lastWrite = FromFiletime(found.ftLastWriteTime);
        entries.push_back(entry);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

std::optional<FileStatus> SystemHostOs::Status(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Native(anchor_, path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return FileStatus{(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                      FromFiletime(data.ftLastWriteTime)};
}

std::optional<std::string> SystemHostOs::ReadFile(const std::string& path) const {
    HANDLE file =
        CreateFileW(Native(anchor_, path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string data;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0)
        data.append(buffer, got);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return data;
}

// Writes a temporary file beside the target, flushes it and moves it over the
// target in one step, so a crash or a failed write at any moment leaves the
// old contents or the new, never a mix. A read-only target is refused.
bool SystemHostOs::WriteFile(const std::string& path, const std::string& data) {
    const std::wstring target = Native(anchor_, path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;
    const std::wstring temp = target + L".new" + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(file, data) && FlushFileBuffers(file);
    if (!CloseHandle(file) || !written ||
        !MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

bool SystemHostOs::AppendFile(const std::string& path, const std::string& data) {
    return WriteToFile(Native(anchor_, path), FILE_APPEND_DATA, OPEN_ALWAYS, data);
}

LocalTime SystemHostOs::ToLocalTime(FileTime t) const {
    SYSTEMTIME st;
    if (!LocalSystemTime(t, st)) return {};
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

std::string SystemHostOs::DateTimeText(FileTime t) const {
    SYSTEMTIME st;
    if (!LocalSystemTime(t, st)) return {};
    wchar_t date[80] = L"";
    wchar_t time[80] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 80);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, L"HH':'mm':'ss", time, 80);
    return TextFromWide(date, std::wcslen(date)) + "  " + TextFromWide(time, std::wcslen(time));
}

}  // namespace varnolux
