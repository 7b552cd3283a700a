#pragma once
// The subcommands of varnolux-cli; each takes the arguments after its name and
// returns the process exit status.
#include <string>
#include <vector>

namespace varnolux::cli {

int RunVars(const std::vector<std::string>& args);
void PrintVarsUsage();
int RunLog(const std::vector<std::string>& args);
void PrintLogUsage();
int RunTest(const std::vector<std::string>& args);
void PrintTestUsage();
int RunIni(const std::vector<std::string>& args);
int RunReplay(const std::vector<std::string>& args);
void PrintReplayUsage();
int RunDap(const std::vector<std::string>& args);
void PrintDapUsage();

}  // namespace varnolux::cli
