#include "cli/console/text.h"

#include <io.h>
#include <windows.h>

#include <algorithm>

#include "text/text_encoding.h"

namespace varnolux::cli {

void WriteText(std::FILE* stream, const std::string& text) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        std::fwrite(text.data(), 1, text.size(), stream);
        return;
    }
    // What the stream holds goes first, so the lines keep their order.
    std::fflush(stream);
    const std::u16string wide = Utf16Text(text);
    const std::wstring characters(wide.begin(), wide.end());
    for (size_t done = 0; done < characters.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(characters.size() - done, 8192));
        if (!WriteConsoleW(handle, characters.data() + done, chunk, &written, nullptr) ||
            written == 0)
            return;
        done += written;
    }
}

}  // namespace varnolux::cli
