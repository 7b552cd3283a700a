#include "script/junit_report.h"

#include <cstdio>

namespace varnolux::script {

namespace {

std::string Seconds(double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", s);
    return text;
}

}  // namespace

std::string XmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
        }
    }
    return out;
}

std::string JunitXml(const std::string& suiteName, const ScriptRunResult& run) {
    int failures = 0, errors = 0, skipped = 0;
    for (const ScriptCase& c : run.cases) {
        if (c.result == CaseResult::NotRun) ++skipped;
        if (c.result == CaseResult::Failed) ++(c.isExpect ? failures : errors);
    }
    const std::string suite = XmlEscape(suiteName);
    const std::string counts = " tests=\"" + std::to_string(run.cases.size()) + "\" failures=\"" +
                               std::to_string(failures) + "\" errors=\"" + std::to_string(errors) +
                               "\" skipped=\"" + std::to_string(skipped) + "\" time=\"" +
                               Seconds(run.seconds) + "\"";
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    x += "<testsuites name=\"varnolux-cli test\"" + counts + ">\n";
    x += "  <testsuite name=\"" + suite + "\"" + counts + ">\n";
    for (const ScriptCase& c : run.cases) {
        x += "    <testcase classname=\"" + suite + "\" name=\"line " + std::to_string(c.line) +
             ": " + XmlEscape(c.text) + "\" time=\"" + Seconds(c.seconds) + "\"";
        const std::string message = XmlEscape(c.message);
        switch (c.result) {
            case CaseResult::Passed:
                x += "/>\n";
                break;
            case CaseResult::NotRun:
                x += ">\n      <skipped message=\"" + message + "\"/>\n    </testcase>\n";
                break;
            case CaseResult::Failed: {
                const char* tag = c.isExpect ? "failure" : "error";
                x += ">\n      <" + std::string(tag) + " message=\"" + message + "\">" + message +
                     "</" + tag + ">\n    </testcase>\n";
                break;
            }
        }
    }
    x += "  </testsuite>\n</testsuites>\n";
    return x;
}

}  // namespace varnolux::script
