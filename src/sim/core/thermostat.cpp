#include "sim/core/thermostat.h"

#include <cmath>
#include <set>

#include "sim/core/variable_access.h"
#include "text/text_util.h"

namespace varnolux::sim {

namespace {

constexpr int32_t kSetPoint = 215;  // 21.5 degrees, in tenths as the firmware keeps it
constexpr double kCountsToTenths = 0.488;
constexpr char kGreeting[] = "Thermo v1.0";
constexpr char kCommand[] = "S215";

// The dump points of Thermo.bas and Sensors.inc.
constexpr int32_t kStartUp = 1, kTopOfLoop = 5, kSwitched = 12, kCommandReceived = 20;
constexpr int32_t kSensorRead = 150, kSensorFault = 151;

// Every variable the sources declare; arrays by their name.
const std::set<std::string>& DeclaredNames() {
    static const std::set<std::string> names = {
        "tick",     "state",   "trim",    "setPoint", "diff",        "uptime",    "drift",
        "gain",     "heating", "fault",   "cmdBuf",   "history",     "counts",    "readings",
        "greeting", "_time",   "_cmdBin", "i",        "temperature", "sensorRaw", "badReads"};
    return names;
}

std::string NameOf(const std::string& label) {
    const std::string trimmed = TrimTrailingBlanks(label);
    return trimmed.substr(0, trimmed.find('#'));
}

std::string Element(const std::string& array, int index) {
    return array + "#" + std::to_string(index);
}

// The room in tenths of a degree in the given round of the loop: a slow swing
// of three degrees about the set-point with a faster ripple, so the heater
// switches on and off every few dozen rounds.
double RoomTemperature(double round) {
    return kSetPoint + 30.0 * std::sin(round / 9.0) + 4.0 * std::sin(round / 2.3);
}

}  // namespace

bool IsThermostat(const TargetProgram& program) {
    if (!FindVariable(program, "temperature") || !FindVariable(program, "setPoint")) return false;
    for (int32_t id :
         {kStartUp, kTopOfLoop, kSwitched, kCommandReceived, kSensorRead, kSensorFault}) {
        bool found = false;
        for (const SimDumpPoint& p : program.dumpPoints) found = found || p.id == id;
        if (!found) return false;
    }
    return true;
}

ThermostatInputs ThermostatEnvironment(int64_t round) {
    ThermostatInputs in;
    // The sensor reads 0.3 degrees high (the firmware's trim takes it off);
    // every 53rd round its wire is loose and the ADC reads full scale.
    const double sensed = RoomTemperature(static_cast<double>(round)) + 3.0;
    in.sensorRaw =
        round % 53 == 17 ? 1023 : static_cast<int32_t>(std::lround(sensed / kCountsToTenths));
    in.command = round % 6 == 3;
    return in;
}

Thermostat::Thermostat(const TargetProgram& program) : program_(program), others_(program) {
    others_.variables.clear();
    for (const SimVariable& v : program.variables)
        if (!DeclaredNames().count(NameOf(v.label))) others_.variables.push_back(v);
}

int64_t Thermostat::Get(const TargetMemory& m, const std::string& label) const {
    const SimVariable* v = FindVariable(program_, label);
    return v ? ReadNumber(m, *v) : 0;
}

void Thermostat::Set(TargetMemory& m, const std::string& label, double value) const {
    if (const SimVariable* v = FindVariable(program_, label)) WriteNumber(m, *v, value);
}

void Thermostat::Copy(TargetMemory& m, const std::string& from, const std::string& to) const {
    const SimVariable* a = FindVariable(program_, from);
    const SimVariable* b = FindVariable(program_, to);
    if (a && b) CopyVariable(m, *a, *b);
}

// Main: up to "Dump 1".
void Thermostat::Main(TargetMemory& m) {
    Set(m, "tick", 0);
    Set(m, "state", 0);
    Set(m, "trim", -3);
    Set(m, "setPoint", kSetPoint);
    Set(m, "gain", 0.75);
    Set(m, "uptime", 0);
    Set(m, "drift", 0);
    for (size_t i = 0; i < sizeof kGreeting; ++i)
        Set(m, Element("greeting", static_cast<int>(i)), static_cast<unsigned char>(kGreeting[i]));
    for (int i = 0; i < 4; ++i) Set(m, Element("history", i), 0);
}

// "Inc tick" and ReadSensor: the dump point it ends at.
int32_t Thermostat::ReadSensor(TargetMemory& m) {
    Set(m, "tick", static_cast<double>((Get(m, "tick") + 1) & 0xFFFF));
    const ThermostatInputs in = ThermostatEnvironment(++round_);
    Set(m, "sensorRaw", in.sensorRaw);
    Copy(m, Element("readings", 1), Element("readings", 2));
    Copy(m, Element("readings", 0), Element("readings", 1));
    const double reading = in.sensorRaw * kCountsToTenths;
    Set(m, Element("readings", 0), reading);
    if (in.sensorRaw < 20 || in.sensorRaw > 1000) {
        Set(m, "badReads", static_cast<double>((Get(m, "badReads") + 1) & 0xFF));
        Set(m, "fault", 1);
        return kSensorFault;
    }
    Set(m, "fault", 0);
    // The float sum goes into the SWord as the compiler converts it: truncated.
    Set(m, "temperature", std::trunc(reading + static_cast<double>(Get(m, "trim"))));
    return kSensorRead;
}

// From "diff = setPoint - temperature" to the heater and fan pins.
void Thermostat::ControlHeater(TargetMemory& m) {
    const int64_t diff = static_cast<int16_t>(Get(m, "setPoint") - Get(m, "temperature"));
    Set(m, "diff", static_cast<double>(diff));
    Set(m, "drift", static_cast<double>(static_cast<int32_t>(Get(m, "drift") + diff)));
    if (diff > 5) {
        if (Get(m, "heating") == 0)
            Set(m, "counts#0", static_cast<double>(static_cast<uint32_t>(Get(m, "counts#0") + 1)));
        Set(m, "heating", 1);
        Set(m, "state", 1);
    } else if (diff < -5) {
        Set(m, "heating", 0);
        Set(m, "state", 2);
        Set(m, "counts#1", static_cast<double>(static_cast<uint32_t>(Get(m, "counts#1") + 1)));
    } else {
        Set(m, "heating", 0);
        Set(m, "state", 0);
    }
    // The heater relay on RC2, the fan on RC1 (bit 1 of state).
    const auto heater = static_cast<uint8_t>(Get(m, "heating") << 2);
    const auto fan = static_cast<uint8_t>(Get(m, "state") & 2);
    m.ports[2] = static_cast<uint8_t>((m.ports[2] & ~0x06) | heater | fan);
}

// NoCommand: the history moves on by one temperature; the For loop leaves i at 0.
void Thermostat::ShiftHistory(TargetMemory& m) {
    for (int i = 3; i >= 1; --i) Copy(m, Element("history", i - 1), Element("history", i));
    Set(m, "i", 0);
    Copy(m, "temperature", Element("history", 0));
}

// HSerIn: a command of eight bytes read into cmdBuf before the time-out.
void Thermostat::ReceiveCommand(TargetMemory& m) {
    for (int i = 0; i < 8; ++i)
        Set(m, Element("cmdBuf", i), i < static_cast<int>(sizeof kCommand) - 1 ? kCommand[i] : 0);
    Set(m, "_cmdBin#0", static_cast<double>((Get(m, "cmdBuf#0") - '0') & 0xFF));
    Set(m, "_cmdBin#1", static_cast<double>((Get(m, "cmdBuf#1") - '0') & 0xFF));
}

int32_t Thermostat::RunToNextDumpPoint(TargetMemory& m) {
    RunToDumpPoint(others_, m, ++arrivals_);
    switch (next_) {
        case Step::Start:
            Main(m);
            next_ = Step::Loop;
            return kStartUp;
        case Step::TopOfLoop:
            next_ = Step::Switch;
            return kTopOfLoop;
        case Step::Switch:
            ControlHeater(m);
            next_ = Step::Command;
            return kSwitched;
        case Step::Command:
            if (ThermostatEnvironment(round_).command) {
                ReceiveCommand(m);
                next_ = Step::NoCommand;
                return kCommandReceived;
            }
            ShiftHistory(m);  // HSerIn timed out: on at NoCommand
            break;
        case Step::NoCommand:
            ShiftHistory(m);
            break;
        case Step::Loop:
            break;
    }
    next_ = Step::TopOfLoop;
    return ReadSensor(m);
}

}  // namespace varnolux::sim
