#pragma once
// A link context on memory seams and an in-memory serial port.
#include "link/line/link_context.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_serial_port.h"
#include "support/memory_session_rig.h"

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

struct MemoryLinkRig : MemorySessionRig<GoOnPrompts> {
    MemorySerialPort port;
    LinkContext link{session, seams, port};
};

}  // namespace varnolux
