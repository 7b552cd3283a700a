#include "link/link_startup.h"
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
    LoadHooks hooks;
    LinkStartup startup;
    bool stopTalking = false;
};

TEST_F(LinkStartupSteps, OpensTheLinkAndStartsTheThreadOnce) {
    AddLinkSteps(hooks, session, seams, port, startup, LinkHooks(), false);
    EXPECT_TRUE(hooks.ConfirmComPort());
    hooks.OpenLink();
    EXPECT_TRUE(startup.opened);
    stopTalking = true;
    hooks.StartLinkThread();
    ASSERT_TRUE(startup.thread);
    LinkThread* first = startup.thread.get();
    hooks.StartLinkThread();
    EXPECT_EQ(startup.thread.get(), first);
    EXPECT_TRUE(startup.thread->Stop());
}

TEST_F(LinkStartupSteps, ClosedAtTheAdvicePromptStartsNoThread) {
    stopTalking = true;
    prompts.Script(PromptAnswer::Cancel);
    AddLinkSteps(hooks, session, seams, port, startup);
    hooks.OpenLink();
    hooks.StartLinkThread();
    EXPECT_TRUE(startup.closed);
    EXPECT_FALSE(startup.thread);
    EXPECT_TRUE(view.closeRequested);
}

TEST_F(LinkStartupSteps, AbortAtThePortQuestionEndsTheLoad) {
    port.ports = {"COM4"};
    prompts.Script(PromptAnswer::Abort);
    AddLinkSteps(hooks, session, seams, port, startup);
    EXPECT_FALSE(hooks.ConfirmComPort());
    EXPECT_TRUE(startup.closed);
}

}  // namespace
}  // namespace varnolux
