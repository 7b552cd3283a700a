#include "link/thread/link_startup.h"
#include "link_fixture.h"

namespace varnolux {
namespace {

class LinkStartupSteps : public LinkFixture {
  protected:
    LinkStartupSteps() {
        session.settings.Baud = 9600;
        port.onIdle = [this](int baud) {
            if (baud == 9600 && !stopTalking) port.input.push_back(kQuery);
        };
    }
    LinkStartup startup;
    bool stopTalking = false;
};

TEST_F(LinkStartupSteps, OpensTheLinkAndStartsTheThreadOnce) {
    LinkLoadSteps steps(session, seams, port, startup, nullptr, false);
    EXPECT_TRUE(steps.ConfirmComPort());
    steps.OpenLink();
    EXPECT_TRUE(startup.opened);
    stopTalking = true;
    steps.StartLinkThread();
    ASSERT_TRUE(startup.thread);
    LinkThread* first = startup.thread.get();
    steps.StartLinkThread();
    EXPECT_EQ(startup.thread.get(), first);
    EXPECT_TRUE(startup.thread->Stop());
}

TEST_F(LinkStartupSteps, ClosedAtTheAdvicePromptStartsNoThread) {
    stopTalking = true;
    prompts.Script(PromptAnswer::Cancel);
    LinkLoadSteps steps(session, seams, port, startup);
    steps.OpenLink();
    steps.StartLinkThread();
    EXPECT_TRUE(startup.closed);
    EXPECT_FALSE(startup.thread);
    EXPECT_TRUE(view.closeRequested);
}

TEST_F(LinkStartupSteps, AbortAtThePortQuestionEndsTheLoad) {
    port.ports = {"COM4"};
    prompts.Script(PromptAnswer::Abort);
    LinkLoadSteps steps(session, seams, port, startup);
    EXPECT_FALSE(steps.ConfirmComPort());
    EXPECT_TRUE(startup.closed);
}

}  // namespace
}  // namespace varnolux
