#pragma once
// Steps every external-program command shares: the existence test with its
// message, and bringing up a running program or starting it.
#include <string>

#include "seams/launcher.h"
#include "seams/prompts.h"
#include "seams/seams.h"

namespace varnolux {

// True when the program file exists; otherwise shows
// "<name> not found - check ini file and restart" and returns false.
bool ProgramPresent(Seams& seams, const std::string& path, const std::string& name);

// Restores and raises the window of the class and title (empty = any); starts
// the program with the command line when there is no such window.
void ActivateOrLaunch(Launcher& launcher, const std::string& windowClass, const std::string& title,
                      const std::string& program, const std::string& commandLine);

// A message box without a caption of its own, task-modal, brought to the foreground.
void ShowBareMessage(Prompts& prompts, const std::string& text);

}  // namespace varnolux
