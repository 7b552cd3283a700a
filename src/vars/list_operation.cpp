#include "vars/list_operation.h"

#include <mutex>

namespace varnolux {

void RunListOperation(Session& session, ReportList& list, Prompts& prompts, Views& views,
                      const std::function<void(ListContext&)>& op) {
    ListContext ctx(session, list);
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        op(ctx);
    }
    ShowListMessages(ctx, prompts);
    if (ctx.watchChanged) views.WatchChanged();
}

}  // namespace varnolux
