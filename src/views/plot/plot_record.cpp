#include "views/plot/plot_record.h"

#include <set>

namespace varnolux {

namespace {

bool Plottable(const MyVarRecord& r) {
    return r.VarType >= VT_BIT && r.VarType <= VT_FLOAT;
}

PlotSample SampleOf(const MyVarRecord& r) {
    return PlotSample{r.VarLabel, r.VarType, r.VarDisplayType, r.VarValue};
}

}  // namespace

std::vector<PlotSample> WatchedSamples(const VarTable& records) {
    std::vector<PlotSample> samples;
    std::set<size_t> taken;
    auto take = [&](size_t i) {
        if (Plottable(records[i]) && taken.insert(i).second)
            samples.push_back(SampleOf(records[i]));
    };
    for (size_t i = 0; i < records.size(); ++i) {
        const MyVarRecord& r = records[i];
        if (r.VarInWatchList == 0) continue;
        if (r.VarRecordType != RT_ARRAY) {
            take(i);
            continue;
        }
        for (size_t e = i + 1; e < records.size() && e <= i + static_cast<size_t>(r.VarLen) &&
                               records[e].VarRecordType == RT_SUBSCRIPT;
             ++e)
            take(e);
    }
    return samples;
}

}  // namespace varnolux
