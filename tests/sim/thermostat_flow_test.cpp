// The demo's simulated firmware against its sources: a walk of Thermo.bas (with
// Sensors.inc in place of its Include) that follows labels, GoTo, GoSub,
// Return, If blocks and HSerIn's time-out label, counts with Inc and literal
// assignments, and takes ADIn and HSerIn from the firmware's environment. The
// simulator must reach the dump points in the walk's order, holding there the
// values the walk holds.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "sim/core/thermostat.h"
#include "sim/core/variable_access.h"
#include "sim/demo_program.h"

namespace varnolux::sim {
namespace {

const std::vector<std::string> kCounted = {"tick", "fault", "badReads", "sensorRaw"};

// Each pattern compiled once: the walk matches every statement against them.
const std::regex& Re(const char* pattern) {
    static std::map<std::string, std::regex> compiled;
    auto it = compiled.find(pattern);
    if (it == compiled.end()) it = compiled.emplace(pattern, std::regex(pattern)).first;
    return it->second;
}

struct Arrival {
    int32_t id = 0;
    std::map<std::string, int64_t> values;
};

std::vector<std::string> SourceLines(const std::string& name) {
    std::ifstream in(std::string(VARNOLUX_SOURCE_DIR) + "/examples/demo/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        const size_t quote = line.find('\'');  // no apostrophe stands in a string here
        line = line.substr(0, quote);
        line.erase(line.find_last_not_of(" \t\r") + 1);
        line.erase(0, line.find_first_not_of(" \t"));
        std::smatch include;
        if (std::regex_match(line, include, Re(R"(Include\s+\"(.+)\")"))) {
            for (const std::string& l : SourceLines(include[1])) lines.push_back(l);
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

class SourceWalk {
  public:
    SourceWalk() : lines_(SourceLines("Thermo.bas")) {
        std::smatch m;
        for (size_t i = 0; i < lines_.size(); ++i)
            if (std::regex_match(lines_[i], m, Re(R"((\w+):)"))) labels_[m[1]] = i;
    }

    std::vector<Arrival> Run(size_t count) {
        std::vector<Arrival> arrivals;
        while (arrivals.size() < count && pc_ < lines_.size()) {
            const size_t line = pc_++;
            std::stringstream statements(lines_[line]);
            for (std::string s; std::getline(statements, s, ':');) {
                s.erase(0, s.find_first_not_of(' '));
                s.erase(s.find_last_not_of(' ') + 1);
                if (Execute(s, arrivals) || pc_ != line + 1) break;
            }
        }
        return arrivals;
    }

  private:
    // True when the statement leaves the line (a jump).
    bool Execute(const std::string& s, std::vector<Arrival>& arrivals) {
        std::smatch m;
        if (std::regex_match(s, m, Re(R"(GoTo\s+(\w+))"))) return Jump(m[1]);
        if (std::regex_match(s, m, Re(R"(GoSub\s+(\w+))"))) {
            stack_.push_back(pc_);
            return Jump(m[1]);
        }
        if (s == "Return") {
            pc_ = stack_.back();
            stack_.pop_back();
            return true;
        }
        if (std::regex_match(s, m, Re(R"(HSerIn\s+\d+\s*,\s*(\w+)\s*,.*)")))
            return !ThermostatEnvironment(round_).command && Jump(m[1]);
        if (std::regex_match(s, m, Re(R"(Dumpw?\s*\(?\s*(\d+)\s*\)?)"))) {
            arrivals.push_back({std::stoi(m[1]), values_});
            return false;
        }
        if (std::regex_match(s, m, Re(R"(Inc\s+(\w+))"))) {
            ++values_[m[1]];
            values_["tick"] &= 0xFFFF;
        } else if (std::regex_match(s, m, Re(R"((\w+)\s*=\s*ADIn\s+\d+)"))) {
            values_[m[1]] = ThermostatEnvironment(++round_).sensorRaw;
        } else if (std::regex_match(s, m, Re(R"((\w+)\s*=\s*(-?\d+))"))) {
            values_[m[1]] = std::stoll(m[2]);
        } else if (std::regex_match(s, m, Re(R"(If\s+(.+)\s+Then\s+(.+))"))) {
            if (Holds(m[1])) return Execute(m[2], arrivals);
        } else if (std::regex_match(s, m, Re(R"(If\s+(.+)\s+Then)"))) {
            if (!Holds(m[1])) SkipBranch(true);
        } else if (std::regex_match(s, Re(R"((ElseIf\s.*|Else))"))) {
            SkipBranch(false);  // the branch taken ends here
        }
        return false;
    }

    bool Jump(const std::string& label) {
        pc_ = labels_.at(label) + 1;
        return true;
    }

    // Comparisons of a name with a number, joined by Or (and And).
    bool Holds(const std::string& condition) {
        std::smatch m;
        std::string rest = condition;
        bool any = false;
        while (std::regex_search(rest, m, Re(R"((\w+)\s*(<=|>=|<>|=|<|>)\s*(-?\d+))"))) {
            const int64_t a = values_[m[1]], b = std::stoll(m[3]);
            const std::string op = m[2];
            any = any || (op == "<"    ? a < b
                          : op == ">"  ? a > b
                          : op == "="  ? a == b
                          : op == "<>" ? a != b
                          : op == "<=" ? a <= b
                                       : a >= b);
            rest = m.suffix();
        }
        return any;
    }

    // On to the next branch of the If block (entering an ElseIf whose
    // condition holds, or an Else) when `enter`, else past its EndIf.
    void SkipBranch(bool enter) {
        std::smatch m;
        for (int depth = 0; pc_ < lines_.size(); ++pc_) {
            const std::string& l = lines_[pc_];
            if (std::regex_match(l, Re(R"(If\s+.+\s+Then)"))) ++depth;
            if (l == "EndIf" && depth-- == 0) break;
            if (depth > 0 || !enter) continue;
            if (l == "Else" ||
                (std::regex_match(l, m, Re(R"(ElseIf\s+(.+)\s+Then)")) && Holds(m[1])))
                break;
        }
        ++pc_;
    }

    std::vector<std::string> lines_;
    std::map<std::string, size_t> labels_;
    std::map<std::string, int64_t> values_;
    std::vector<size_t> stack_;
    size_t pc_ = 0;
    int64_t round_ = 0;
};

TEST(ThermostatFlow, TheSimulatorTakesThePathsOfTheDemosSources) {
    const size_t kDumps = 400;
    const std::vector<Arrival> walked = SourceWalk().Run(kDumps);
    ASSERT_EQ(walked.size(), kDumps) << "the walk of Thermo.bas ended early";

    const TargetProgram program = DemoProgram();
    Thermostat firmware(program);
    TargetMemory memory = PowerOnMemory(program);
    std::map<int32_t, int> seen;
    for (size_t n = 0; n < kDumps; ++n) {
        SCOPED_TRACE("dump " + std::to_string(n + 1));
        ASSERT_EQ(firmware.RunToNextDumpPoint(memory), walked[n].id);
        ++seen[walked[n].id];
        for (const std::string& name : kCounted) {
            const auto it = walked[n].values.find(name);
            EXPECT_EQ(ReadNumber(memory, *FindVariable(program, name)),
                      it == walked[n].values.end() ? 0 : it->second)
                << name;
        }
    }
    // Every way through the loop was taken: faults, and rounds with and without a command.
    EXPECT_EQ(seen[1], 1);
    EXPECT_GT(seen[151], 0);
    EXPECT_GT(seen[20], 0);
    EXPECT_GT(seen[5], seen[20]);
}

}  // namespace
}  // namespace varnolux::sim
