#pragma once
// A script run as JUnit XML, the report CI systems read: the script is the
// suite, each expectation a test case; the step that ended the run early is
// an error case.
#include <string>

#include "script/script_run.h"

namespace varnolux::script {

std::string JunitXml(const std::string& suiteName, const ScriptRunResult& run);

// Text with &, <, >, " and ' escaped, and control characters left out.
std::string XmlEscape(const std::string& text);

}  // namespace varnolux::script
