#include "dap/dap_variables.h"

#include <gtest/gtest.h>

#include "../support/make_record.h"

namespace varnolux::dap {
namespace {

MyVarRecord Valued(MyVarRecord r, uint32_t value) {
    r.VarValue = value;
    r.VarValueInit = 1;
    return r;
}

StopView DemoStop() {
    StopView v;
    v.DumpId = 12;
    v.records.push_back(Valued(MakeRecord("tick", VT_WORD, 8), 300));
    v.records.push_back(Valued(MakeRecord("setPoint", VT_SWORD, 12), 0xFFFE));
    v.records.push_back(Valued(MakeRecord("heating", VT_BIT, 7), 1));
    v.records.push_back(MakeRecord("D_WaitFlag", VT_BIT, 6));
    v.records.push_back(MakeRecord("buf", VT_BYTE, 0x20, 2, RT_ARRAY));
    v.records.push_back(Valued(MakeRecord("buf#0", VT_BYTE, 0x20, 1, RT_SUBSCRIPT), 7));
    v.records.push_back(Valued(MakeRecord("buf#1", VT_BYTE, 0x21, 1, RT_SUBSCRIPT), 255));
    v.records.push_back(MakeRecord("later", VT_BYTE, 0x22));
    return v;
}

const Json* Named(const Json& list, const std::string& name) {
    for (const Json& v : list.Items())
        if (v["name"].Str() == name) return &v;
    return nullptr;
}

TEST(DapVariables, TheVariablesScopeListsEveryRecordAsTheListShowsIt) {
    const StopView stop = DemoStop();
    const Json list = Variables(stop, kVariablesScope, false);
    std::vector<std::string> names;
    for (const Json& v : list.Items()) names.push_back(v["name"].Str());
    EXPECT_EQ(names, (std::vector<std::string>{"tick", "setPoint", "heating", "buf", "later"}))
        << "elements under their array, the dump support's flags never";
    EXPECT_EQ((*Named(list, "tick"))["value"].Str(), "300");
    EXPECT_EQ((*Named(list, "tick"))["type"].Str(), "Word");
    EXPECT_EQ((*Named(list, "setPoint"))["value"].Str(), "-2");
    EXPECT_EQ((*Named(list, "heating"))["value"].Str(), "1");
    EXPECT_EQ((*Named(list, "heating"))["type"].Str(), "Bit");
    EXPECT_EQ((*Named(list, "later"))["value"].Str(), "no value yet");
    EXPECT_EQ((*Named(list, "tick"))["variablesReference"].Int(), 0);
}

TEST(DapVariables, AnArrayOpensOnItsElements) {
    const StopView stop = DemoStop();
    const Json list = Variables(stop, kVariablesScope, false);
    const Json& buf = *Named(list, "buf");
    EXPECT_EQ(buf["type"].Str(), "Byte[2]");
    EXPECT_EQ(buf["indexedVariables"].Int(), 2);
    const Json elements = Variables(stop, buf["variablesReference"].Int(), false);
    ASSERT_EQ(elements.Size(), 2u);
    EXPECT_EQ(elements.Items()[1]["name"].Str(), "buf#1");
    EXPECT_EQ(RecordOfVariable(stop.records, buf["variablesReference"].Int(), "buf#1"), 6);
    EXPECT_EQ(RecordOfVariable(stop.records, kVariablesScope, "buf#1"), -1);
    EXPECT_EQ(RecordOfVariable(stop.records, kVariablesScope, "setPoint"), 1);
}

TEST(DapVariables, HexadecimalWhenTheClientAsks) {
    const StopView stop = DemoStop();
    const Json list = Variables(stop, kVariablesScope, true);
    EXPECT_EQ((*Named(list, "tick"))["value"].Str(), "$012C");
    EXPECT_EQ((*Named(list, "setPoint"))["value"].Str(), "$FFFE");
}

TEST(DapVariables, PortsShowTheirBitsWithPinNamesAndDirections) {
    StopView stop = DemoStop();
    stop.portsReceived = true;
    stop.ports[1].Present = 1;
    stop.ports[1].ImplementedBits = 0x03;
    stop.ports[1].ValueImage = 0x02;
    stop.ports[1].DirectionImage = 0x01;
    stop.ports[1].PinNames[1] = "LED";
    const Json ports = Variables(stop, kPortsScope, false);
    ASSERT_EQ(ports.Size(), 1u);
    EXPECT_EQ(ports.Items()[0]["name"].Str(), "PORTB");
    EXPECT_EQ(ports.Items()[0]["value"].Str(), "%00000010");
    const Json bits = Variables(stop, ports.Items()[0]["variablesReference"].Int(), false);
    ASSERT_EQ(bits.Size(), 2u);
    EXPECT_EQ(bits.Items()[0]["name"].Str(), "LED");
    EXPECT_EQ(bits.Items()[0]["value"].Str(), "1");
    EXPECT_EQ(bits.Items()[0]["type"].Str(), "output");
    EXPECT_EQ(bits.Items()[1]["name"].Str(), "RB0");
    EXPECT_EQ(bits.Items()[1]["type"].Str(), "input");
}

TEST(DapVariables, EepromInRowsOfEightBytes) {
    StopView stop = DemoStop();
    stop.eeprom = {0x41, 0x20, 0x7E, 0, 0, 0, 0, 0, 0xFF};
    const Json rows = Variables(stop, kEepromScope, false);
    ASSERT_EQ(rows.Size(), 2u);
    EXPECT_EQ(rows.Items()[0]["value"].Str().substr(0, 10), "41  20  7E");
    EXPECT_EQ(rows.Items()[1]["name"].Str(), "0008");
    EXPECT_EQ(Scopes(stop).Items()[2]["namedVariables"].Int(), 2);
}

TEST(DapVariables, AReferenceThatNamesNothingGivesNothing) {
    const StopView stop = DemoStop();
    for (long reference : {0L, 4L, kArrayBase, kArrayBase + 99, kPortBase + 1})
        EXPECT_EQ(Variables(stop, reference, false).Size(), 0u) << reference;
}

}  // namespace
}  // namespace varnolux::dap
