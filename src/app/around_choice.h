#pragma once
// "Record session..." around the stop rules that record: whether it is
// offered, how many dumps the recording keeps in memory, the question put to
// the user and the status bar's text while it runs.
#include <string>
#include <vector>

#include "rules/stop_rule.h"

namespace varnolux {

// The dumps a recording around the enabled record rules keeps before a
// firing: the largest "before" among them; -1 when no rule records.
int AroundKeep(const std::vector<rules::StopRule>& rules);

// The question when some rule records: Yes keeps only the traffic around the
// firings, No records the whole session.
std::string AroundQuestion(const std::vector<rules::StopRule>& rules);

// "Recording around rules: a.pcapng, 2 files so far" (the name without its folder).
std::string AroundStatusText(const std::string& path, size_t files);

}  // namespace varnolux
