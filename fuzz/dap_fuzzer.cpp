// What an editor sends "varnolux-cli dap": any bytes, cut into reads
// anywhere, framed by Content-Length, the bodies JSON requests of every
// command the adapter takes, with dumps arriving between them. Cut reads give
// the messages one whole read gives; every request is answered exactly once,
// with its seq and command; every message sent is JSON that reads back, its
// seq one more than the last.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dap/dap_adapter.h"
#include "dap/dap_framing.h"
#include "fuzz_check.h"
#include "support/memory_dap_host.h"

namespace {

using namespace varnolux;
using namespace varnolux::dap;

struct Read {
    std::vector<std::string> bodies;
    size_t errors = 0;
};

Read Frames(const std::string& stream, size_t cut) {
    Read r;
    FrameReader reader;
    std::string body, error;
    for (size_t at = 0; at < stream.size(); at += cut) {
        reader.Feed(stream.data() + at, std::min(cut, stream.size() - at));
        for (;;) {
            const bool whole = reader.Next(body, error);
            r.errors += !error.empty();
            if (!whole && error.empty()) break;
            if (whole) r.bodies.push_back(body);
        }
    }
    return r;
}

// The values of a dump: every record changes a little from dump to dump.
void PlayDump(Session& session, MemoryDapHost& host, int n) {
    for (size_t i = 0; i < session.records.size(); ++i) {
        MyVarRecord& r = session.records[i];
        r.VarPrevious = r.VarValue;
        r.VarPreviousInit = r.VarValueInit;
        r.VarValue = static_cast<uint32_t>(n * 37 + static_cast<int>(i) * 11) & 0xFF;
        r.VarValueInit = 1;
    }
    host.Dump(n % 3 == 2 ? 7 : 3, n % 3 == 2, n * 1000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t cut = 1 + data[0] % 16;
    const std::string stream(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Read whole = Frames(stream, stream.size() + 1);
    const Read pieces = Frames(stream, cut);
    FUZZ_CHECK(whole.bodies == pieces.bodies && whole.errors == pieces.errors);

    Session session;
    MemoryDapHost host(session);
    std::vector<Json> sent;
    long lastSeq = 0;
    DapAdapter adapter(session, host, [&](const Json& m) {
        FUZZ_CHECK(m["seq"].Int() == lastSeq + 1);
        lastSeq = m["seq"].Int();
        Json back;
        std::string error;
        FUZZ_CHECK(ParseJson(m.Dump(), back, error) && back.Dump() == m.Dump());
        const std::string type = m["type"].Str();
        FUZZ_CHECK(type == "response" || type == "event");
        sent.push_back(m);
    });
    int dumps = 0;
    for (const std::string& body : whole.bodies) {
        Json m;
        std::string error;
        if (!ParseJson(body, m, error)) continue;
        FUZZ_CHECK(Frames(Frame(body), 1).bodies == std::vector<std::string>{body});
        sent.clear();
        adapter.Handle(m);
        size_t responses = 0;
        for (const Json& s : sent) {
            if (s["type"].Str() != "response") continue;
            ++responses;
            FUZZ_CHECK(s["request_seq"].Int() == m["seq"].Int());
            FUZZ_CHECK(s["command"].Str() == m["command"].Str());
            FUZZ_CHECK(s["success"].IsBool());
            if (!s["success"].Bool()) FUZZ_CHECK(!s["message"].Str().empty());
        }
        FUZZ_CHECK(responses == (m["type"].Str() == "request" ? 1u : 0u));
        if (adapter.Ended()) break;
        adapter.Poll();
        if (host.running) PlayDump(session, host, ++dumps);
        adapter.Poll();
    }
    return 0;
}
