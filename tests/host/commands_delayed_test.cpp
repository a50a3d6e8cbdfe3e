// Delayed destruction: objects go when the outermost dispatch returns.
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "host/ToolkitTestSupport.h"

namespace {

using Log = std::vector<std::string>;

// Logs its own destruction.
class Mortal : public VOKCommand {
 public:
  explicit Mortal(Log* log) : _log(log) {}
  ~Mortal() override { _log->push_back("destroyed"); }

 private:
  Log* _log;
};

class DelayedTest : public ToolkitTest {
 protected:
  VOKCommand outer;
  VOKCommand inner;
  VOKNotification go{"GoNotification"};
  Log log;
};

TEST_F(DelayedTest, DestroyedWhenTheOutermostDispatchReturns) {
  auto* mortal = new Mortal(&log);
  Recorder atOuter(&log, "outer");
  Recorder atInner(&log, "inner");
  atOuter.Listen(&outer, &go);
  atInner.Listen(&inner, &go);
  atInner.action = [&] {
    mortal->RequestDelayedDestruction();
    mortal->RequestDelayedDestruction();     // a second request changes nothing
    VOKCommand::FlushDelayedDestructions();  // waits for the dispatch to end
  };
  atOuter.action = [&] {
    inner.SendNotification(&inner, &go);
    log.push_back("inner returned");
  };

  outer.SendNotification(&outer, &go);

  EXPECT_EQ(
      (Log{"outer GoNotification -", "inner GoNotification -", "inner returned", "destroyed"}),
      log);
  EXPECT_EQ(0u, VOKCommand::PendingDestructions());
  EXPECT_FALSE(VOKCommand::InDispatch());
}

TEST_F(DelayedTest, OutsideADispatchObjectsWaitForAFlushOrLeaveWithTheirParent) {
  auto* mortal = new Mortal(&log);
  auto* frame = new VOKDlgFrame(nullptr, "Frame", 0);
  auto* button = new VOKDlgPushButton(frame, "Button", 0);
  mortal->RequestDelayedDestruction();
  button->RequestDelayedDestruction();
  frame->RequestDelayedDestruction();
  EXPECT_EQ(3u, VOKCommand::PendingDestructions());
  delete frame;
  EXPECT_EQ(1u, VOKCommand::PendingDestructions());
  EXPECT_TRUE(log.empty());
  VOKCommand::FlushDelayedDestructions();
  EXPECT_EQ((Log{"destroyed"}), log);
}

TEST_F(DelayedTest, StackObjectIsNeverDeleted) {
  Mortal onStack(&log);
  testing::internal::CaptureStderr();
  onStack.RequestDelayedDestruction();
  const std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, message.find("not created by the host allocator")) << message;
  EXPECT_EQ(0u, VOKCommand::PendingDestructions());
}

}  // namespace
