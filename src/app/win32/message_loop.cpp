#include "app/win32/message_loop.h"

#include <windows.h>

#include "app/win32/window_classes.h"

namespace varnolux {

int RunMessageLoop(HWND main, HACCEL accelerators) {
    MSG message;
    for (;;) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) return 0;
        if (got == 0) break;
        HWND focus = GetFocus();
        HWND form = focus ? GetAncestor(focus, GA_ROOT) : nullptr;
        // The shortcuts work from every window of the program.
        if (accelerators && form && IsProgramForm(form) &&
            TranslateAcceleratorA(main, accelerators, &message))
            continue;
        if (form && IsProgramForm(form) && IsDialogMessageA(form, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace varnolux
