# The figures of one measured window from the simulator's log ("dump point N"
# when the target arrives at its dumpw, "rx XX" for every byte the host sent),
# read up to line TO; the window holds the lines after FROM.
#
# A dump is taken in when the host answers the target's query "d" with "b"
# (0x62). When the host is slow to answer, the target asks again after 500 ms
# and the host answers both; the second "b" reaches the target at its next
# dump point, before the host's "h" there: only a "b" after the dump's "h"
# ends it.
# A dump's bytes on the wire are its 32-byte packets with their answer "f"
# (or "e" and the packet again), "c" and "h", "d" and "a"/"b"; a repetition
# makes a dump longer, so the median dump stands for the dump's wire time.
#
#   awk -f dump_figures.awk -v from=LINE -v to=LINE -v ms=WINDOW_MS -v cpu=CPU_MS \
#       -v server=WINESERVER_MS -v xserver=XSERVER_MS -v baud=RATE -v goal=PERCENT sim.log
NR > to { exit }
/^dump point/ { open = 1; synced = 0; bytes = 0; next }
!open { next }
/^rx 68$/ { synced = 1; bytes += 2; next }
/^rx 6[56]$/ { bytes += 33; next }
/^rx 61$/ { bytes += 2; next }
/^rx 62$/ {
    if (!synced) next
    open = 0
    if (NR > from) sizes[++dumps] = bytes + 2
    next
}
/^rx / { bytes += 1 }
END {
    if (dumps == 0) {
        print "  no dump taken in the window: nothing to report"
        exit
    }
    for (i = 2; i <= dumps; i++) {
        v = sizes[i]
        for (j = i - 1; j > 0 && sizes[j] > v; j--) sizes[j + 1] = sizes[j]
        sizes[j + 1] = v
    }
    wireBytes = sizes[int((dumps + 1) / 2)]
    perDump = cpu / dumps
    wire = wireBytes * 10 / baud * 1000
    share = 100 * perDump / wire
    printf "  %d dumps in %.1f s: %.1f dumps/s; Varnolux.exe used %.0f %% of one core\n",
        dumps, ms / 1000, dumps * 1000 / ms, 100 * cpu / ms
    printf "  processor time %.1f ms a dump; a dump is %d bytes, %.1f ms on the wire\n",
        perDump, wireBytes, wire
    printf "  %.1f %% of the wire time, goal <= %d %%%s\n", share, goal,
        share <= goal ? ": met" : ": over the goal"
    printf "  not counted: the Wine server %.1f ms, the X server %.1f ms a dump\n",
        server / dumps, xserver / dumps
}
