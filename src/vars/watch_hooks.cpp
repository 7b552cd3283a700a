#include "vars/watch_hooks.h"

namespace varnolux {

int TableWatch::RowCount() const {
    int count = 0;
    for (const MyVarRecord& r : records_)
        if (r.VarInWatchList != 0 && r.VarRecordType != RT_ARRAY) ++count;
    return count;
}

}  // namespace varnolux
