// Delayed destruction: objects go when the outermost dispatch returns.
#include "ToolkitTestSupport.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"

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
    mortal->RequestDelayedDestruction();  // a second request changes nothing
    EXPECT_TRUE(VOKCommand::InDispatch());
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

TEST_F(DelayedTest, RequestOutsideADispatchWaitsForAFlush) {
  auto* mortal = new Mortal(&log);
  mortal->RequestDelayedDestruction();
  EXPECT_EQ(1u, VOKCommand::PendingDestructions());
  EXPECT_TRUE(log.empty());
  VOKCommand::FlushDelayedDestructions();
  EXPECT_EQ((Log{"destroyed"}), log);
}

TEST_F(DelayedTest, FlushInsideADispatchWaitsForTheDispatchToEnd) {
  auto* mortal = new Mortal(&log);
  Recorder receiver(&log, "receiver");
  receiver.Listen(&outer, &go);
  receiver.action = [&] {
    mortal->RequestDelayedDestruction();
    VOKCommand::FlushDelayedDestructions();
    log.push_back("after flush");
  };
  outer.SendNotification(&outer, &go);
  EXPECT_EQ((Log{"receiver GoNotification -", "after flush", "destroyed"}), log);
}

TEST_F(DelayedTest, ObjectDestroyedEarlierWithItsParentLeavesTheQueue) {
  auto* frame = new VOKDlgFrame(nullptr, "Frame", 0);
  auto* button = new VOKDlgPushButton(frame, "Button", 0);
  button->RequestDelayedDestruction();
  frame->RequestDelayedDestruction();
  EXPECT_EQ(2u, VOKCommand::PendingDestructions());
  delete frame;
  EXPECT_EQ(0u, VOKCommand::PendingDestructions());
}

TEST_F(DelayedTest, StackObjectIsNeverDeleted) {
  Mortal onStack(&log);
  EXPECT_FALSE(onStack.IsHostAllocated());
  testing::internal::CaptureStderr();
  onStack.RequestDelayedDestruction();
  const std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, message.find("not created by the host allocator")) << message;
  EXPECT_EQ(0u, VOKCommand::PendingDestructions());
  auto* onHeap = new Mortal(&log);
  EXPECT_TRUE(onHeap->IsHostAllocated());
  delete onHeap;
}

}  // namespace
