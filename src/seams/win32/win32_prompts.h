#pragma once
// Prompts shown as Win32 message boxes.
#include "seams/prompts.h"

namespace varnolux {

class Win32Prompts : public Prompts {
  public:
    PromptAnswer Show(const PromptRequest& request) override;
};

}  // namespace varnolux
