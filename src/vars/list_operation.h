#pragma once
// One operation on the main list, the way every caller runs it: with the
// records lock held for the operation alone; its messages, and the Watch
// window's refill when the watched set or a radix changed, come after the
// lock is released, so no other window is ever drawn while it is held.
#include <functional>

#include "seams/prompts.h"
#include "seams/report_list.h"
#include "seams/views.h"
#include "state/session.h"
#include "vars/list_context.h"

namespace varnolux {

void RunListOperation(Session& session, ReportList& list, Prompts& prompts, Views& views,
                      const std::function<void(ListContext&)>& op);

// The main list as the rest of the program runs operations on it.
class ListRunner {
  public:
    virtual ~ListRunner() = default;
    virtual void Run(const std::function<void(ListContext&)>& op) = 0;
};

// A list on any ReportList, for the console front ends and tests.
class ReportListRunner : public ListRunner {
  public:
    ReportListRunner(Session& session, ReportList& list, Prompts& prompts, Views& views)
        : session_(session), list_(list), prompts_(prompts), views_(views) {}
    void Run(const std::function<void(ListContext&)>& op) override {
        RunListOperation(session_, list_, prompts_, views_, op);
    }

  private:
    Session& session_;
    ReportList& list_;
    Prompts& prompts_;
    Views& views_;
};

}  // namespace varnolux
