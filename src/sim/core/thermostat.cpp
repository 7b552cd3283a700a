#include "sim/core/thermostat.h"

#include <cmath>
#include <string>

#include "ui/text_util.h"

namespace varnolux::sim {

namespace {

constexpr int32_t kSetPoint = 215;  // 21.5 degrees, in tenths as the firmware keeps it
constexpr int32_t kTrim = -3;
constexpr char kGreeting[] = "Thermo v1.0";
constexpr int64_t kDumpsPerLoop = 4;  // dump points the control loop passes each round

const SimVariable* Find(const TargetProgram& program, const std::string& label) {
    for (const SimVariable& v : program.variables)
        if (TrimTrailingBlanks(v.label) == label) return &v;
    return nullptr;
}

void PutBytes(TargetMemory& m, int32_t address, uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) {
        const int64_t a = int64_t{address} + k;
        if (a >= 0 && a < static_cast<int64_t>(m.ram.size()))
            m.ram[static_cast<size_t>(a)] = static_cast<uint8_t>(value >> (8 * k));
    }
}

// Writes a number into the named variable as its type holds it.
void Put(const TargetProgram& program, TargetMemory& m, const std::string& label, double value) {
    const SimVariable* v = Find(program, label);
    if (!v) return;
    switch (v->type) {
        case VT_BIT: {
            if (v->address < 0 || v->address >= static_cast<int32_t>(m.ram.size())) return;
            uint8_t& cell = m.ram[static_cast<size_t>(v->address)];
            const uint8_t mask = static_cast<uint8_t>(1u << (v->len & 7));
            cell =
                value != 0 ? static_cast<uint8_t>(cell | mask) : static_cast<uint8_t>(cell & ~mask);
            return;
        }
        case VT_BYTE:
        case VT_SBYTE:
            PutBytes(m, v->address, static_cast<uint32_t>(std::lround(value)), 1);
            return;
        case VT_WORD:
        case VT_SWORD:
            PutBytes(m, v->address, static_cast<uint32_t>(std::lround(value)), 2);
            return;
        case VT_DWORD:
        case VT_SDWORD:
            PutBytes(m, v->address, static_cast<uint32_t>(std::llround(value)), 4);
            return;
        case VT_FLOAT: {
            const auto bytes = MicrochipFloatBytes(static_cast<float>(value));
            for (int b = 0; b < 4; ++b)
                PutBytes(m, v->address + b, bytes[static_cast<size_t>(b)], 1);
            return;
        }
        default:
            return;
    }
}

// The room in tenths of a degree after `round` rounds of the control loop: a
// slow swing of three degrees about the set-point with a faster ripple, so the
// heater switches on and off every few dozen rounds.
double RoomTemperature(double round) {
    return kSetPoint + 30.0 * std::sin(round / 9.0) + 4.0 * std::sin(round / 2.3);
}

}  // namespace

bool IsThermostat(const TargetProgram& program) {
    return Find(program, "temperature") && Find(program, "setPoint");
}

void RunThermostat(const TargetProgram& program, TargetMemory& m, int64_t arrival) {
    const int64_t round = arrival / kDumpsPerLoop;
    const auto temperature = [](int64_t r) {
        return static_cast<int32_t>(std::lround(RoomTemperature(static_cast<double>(r))));
    };
    // The heater state follows the firmware's rule: on below the set-point by
    // more than half a degree, off above it by more than half a degree, and off
    // in between; the switch counts add up over the rounds so far.
    int32_t heaterOn = 0, fanRounds = 0, heating = 0, state = 0;
    int64_t drift = 0;
    for (int64_t r = 0; r <= round; ++r) {
        const int32_t diff = kSetPoint - temperature(r);
        const int32_t was = heating;
        heating = diff > 5 ? 1 : 0;
        state = diff > 5 ? 1 : diff < -5 ? 2 : 0;
        if (heating && !was) ++heaterOn;
        if (state == 2) ++fanRounds;
        drift += diff;
    }
    const int32_t now = temperature(round);
    const double reading = now - kTrim;  // the sensor before the trim
    Put(program, m, "tick", static_cast<double>(round % 65536));
    Put(program, m, "setPoint", kSetPoint);
    Put(program, m, "trim", kTrim);
    Put(program, m, "temperature", now);
    Put(program, m, "diff", kSetPoint - now);
    Put(program, m, "state", state);
    Put(program, m, "heating", heating);
    Put(program, m, "fault", 0);
    Put(program, m, "badReads", 0);
    Put(program, m, "uptime", static_cast<double>(round));
    Put(program, m, "drift", static_cast<double>(drift));
    Put(program, m, "gain", 0.75);
    Put(program, m, "sensorRaw", std::round(reading / 0.488));
    Put(program, m, "_time", static_cast<double>((7 * 60 + round / 60) % 1440));
    for (int i = 0; i < 4; ++i)
        Put(program, m, "history#" + std::to_string(i), round >= i ? temperature(round - i) : 0);
    for (int i = 0; i < 3; ++i)
        Put(program, m, "readings#" + std::to_string(i),
            round >= i ? temperature(round - i) - kTrim : 0);
    Put(program, m, "counts#0", heaterOn);
    Put(program, m, "counts#1", fanRounds);
    for (size_t i = 0; i < sizeof kGreeting; ++i)
        Put(program, m, "greeting#" + std::to_string(i), static_cast<unsigned char>(kGreeting[i]));
    const std::string command = "S215";
    for (size_t i = 0; i < 8; ++i)
        Put(program, m, "cmdBuf#" + std::to_string(i),
            i < command.size() ? static_cast<unsigned char>(command[i]) : 0);
    Put(program, m, "_cmdBin#0", 'S' - '0');
    Put(program, m, "_cmdBin#1", 2);
    Put(program, m, "i", 0);
    // The heater relay on RC2 and the fan on RC1 show in port C.
    m.ports[2] = static_cast<uint8_t>((m.ports[2] & ~0x06) | (heating << 2) | ((state >> 1) << 1));
}

}  // namespace varnolux::sim
