#pragma once
// A new value confirmed in the Modify window and waiting to be sent by the link
// thread. The fields are written before RunState::ModifyPending is set and read
// by the link thread only after it sees the flag.
#include <cstdint>

namespace varnolux {

struct PendingModify {
    int32_t ModifyRecordIndex = -1;
    int32_t ModifyItemIndex = -1;
    int64_t ModifyValue = 0;
    float ModifyFloat = 0.0f;
    // What the request needs of the record, taken when the value is confirmed.
    int32_t VarType = 0;
    int32_t VarAddress = 0;
    int32_t BitNumber = 0;  // VarLen of a bit variable
};

}  // namespace varnolux
