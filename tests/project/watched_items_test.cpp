#include "project/load/watched_items.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";

VarTable Named(std::initializer_list<const char*> names) {
    VarTable t;
    for (const char* n : names) {
        MyVarRecord r;
        r.VarLabel = n;
        t.push_back(r);
    }
    return t;
}

std::vector<std::string> Watched(const VarTable& t) {
    std::vector<std::string> out;
    for (const auto& r : t) {
        if (r.VarInWatchList) out.push_back(r.VarLabel);
    }
    return out;
}

TEST(RestoreWatchedItems, MarksNamedVariablesUntilTheEmptyKey) {
    MemoryHostOs os;
    os.PutFile(kIni,
               "[Watched Items]\r\nWatch00=  Count \r\nWatch01=Flags\r\nWatch02=\r\n"
               "Watch03=Speed\r\n");
    VarTable t = Named({"Speed", "Flags", "Count", "count"});
    RestoreWatchedItems(t, os, kIni);
    EXPECT_EQ(Watched(t), (std::vector<std::string>{"Flags", "Count"}));
}

TEST(RestoreWatchedItems, NameOfARemovedVariableIsSkipped) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Watched Items]\r\nWatch00=Gone\r\nWatch01=Speed\r\nWatch02=\r\n");
    VarTable t = Named({"Speed", "Gone2"});
    RestoreWatchedItems(t, os, kIni);
    EXPECT_EQ(Watched(t), (std::vector<std::string>{"Speed"}));
}

TEST(RestoreWatchedItems, ReadsAtMostTwentyOneKeys) {
    MemoryHostOs os;
    std::string text = "[Watched Items]\r\n";
    VarTable t;
    for (int i = 0; i < 23; ++i) {
        text += WatchKey(i) + "=V" + std::to_string(i) + "\r\n";
        MyVarRecord r;
        r.VarLabel = "V" + std::to_string(i);
        t.push_back(r);
    }
    os.PutFile(kIni, text);
    RestoreWatchedItems(t, os, kIni);
    EXPECT_EQ(Watched(t).size(), 21u);
    EXPECT_EQ(t[20].VarInWatchList, 1);
    EXPECT_EQ(t[21].VarInWatchList, 0);
}

TEST(RestoreWatchedItems, NoFileOrNoSectionWatchesNothing) {
    MemoryHostOs os;
    VarTable t = Named({"A"});
    RestoreWatchedItems(t, os, kIni);
    os.PutFile(kIni, "[Comms]\r\nWatch00=A\r\n");
    RestoreWatchedItems(t, os, kIni);
    EXPECT_TRUE(Watched(t).empty());
}

}  // namespace
}  // namespace varnolux
