"""The last dump a varnolux-cli log printed against the simulator's truth file.

    python3 last_dump_is_truth.py JSONL TRUTH [PORT]

Exits 1, printing what differs, unless the last line of JSONL is the truth's
dump with every one of its (more than 20) values; with PORT, the status bar's
port part must also begin with it.
"""
import json
import sys

last = json.loads(open(sys.argv[1]).read().splitlines()[-1])
truth = json.load(open(sys.argv[2]))
host = {v["VarLabel"]: v["value"] for v in last["values"]}
target = {v["VarLabel"]: v["value"] for v in truth["values"]}
assert last["DumpId"] == truth["DumpId"], (last["DumpId"], truth["DumpId"])
if len(sys.argv) > 3:
    assert last["statusParts"]["port"].startswith(sys.argv[3]), last["statusParts"]
assert len(target) > 20, len(target)
diff = {k: (host.get(k), t) for k, t in target.items() if host.get(k) != t}
if diff:
    print(diff)
    sys.exit(1)
