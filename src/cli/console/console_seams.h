#pragma once
// Seams for running the core headless in a console: the current folder is the
// program's folder, and every message goes to stderr and takes the answer that
// lets the work go on.
#include <string>
#include <vector>

#ifdef _WIN32
#include "seams/win32/win32_host_os.h"
#else
#include "seams/posix/posix_host_os.h"
#endif
#include "seams/host_os.h"
#include "seams/memory/memory_launcher.h"
#include "seams/memory/memory_main_window_view.h"
#include "seams/memory/memory_views.h"
#include "seams/prompts.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux::cli {

#ifdef _WIN32
using PlatformHostOs = Win32HostOs;
#else
using PlatformHostOs = PosixHostOs;
#endif

// The platform's host with the current folder standing in for the program's
// folder, so a project folder with its Varnolux.ini is used where the command runs.
class WorkingFolderHostOs : public PlatformHostOs {
  public:
    std::string ProgramFolder() const override;
};

// Prints each message to stderr and answers OK, Yes, Retry or Ignore.
class ConsolePrompts : public Prompts {
  public:
    PromptAnswer Show(const PromptRequest& request) override;
    std::vector<std::string> shown;  // every text in order
    std::vector<std::string> said;   // every line written, without its line end

  protected:
    void Say(const std::string& line);
};

// A console command's seams around its prompts: the platform's host in the
// current folder, and a main window, launcher and views in memory.
struct ConsoleSeams {
    explicit ConsoleSeams(Prompts& prompts) : seams{os, prompts, view, launcher, views} {}
    ConsoleSeams(const ConsoleSeams&) = delete;
    ConsoleSeams& operator=(const ConsoleSeams&) = delete;

    WorkingFolderHostOs os;
    MemoryMainWindowView view;
    MemoryLauncher launcher;
    MemoryViews views;
    Seams seams;
};

// Reads the settings of a console run: `ini`, or Varnolux.ini in the program's
// folder when it is empty; a rate of 0 or more and a port number above 0 given
// on the command line replace the file's.
void LoadConsoleSettings(Session& session, const HostOs& os, const std::string& ini, int baud = -1,
                         int port = 0);

}  // namespace varnolux::cli
