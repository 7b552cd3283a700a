#pragma once
// A link context on memory seams and an in-memory serial port.
#include "app/session.h"
#include "link/link_context.h"
#include "ui/memory_host_os.h"
#include "ui/memory_launcher.h"
#include "ui/memory_main_window_view.h"
#include "ui/memory_prompts.h"
#include "ui/memory_serial_port.h"

namespace varnolux {

// Prompts that take "No" (go on) for the recompile prompt unless scripted otherwise.
class GoOnPrompts : public MemoryPrompts {
  public:
    PromptAnswer Show(const PromptRequest& request) override {
        const PromptAnswer a = MemoryPrompts::Show(request);
        return request.buttons == PromptButtons::YesNoCancel && a == PromptAnswer::Yes
                   ? PromptAnswer::No
                   : a;
    }
};

struct MemoryLinkRig {
    Session session;
    MemoryHostOs os;
    GoOnPrompts prompts;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    Seams seams{os, prompts, view, launcher};
    MemorySerialPort port;
    LinkContext link{session, seams, port};
};

}  // namespace varnolux
