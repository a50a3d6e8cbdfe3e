// Notification dispatch: order, data, never a call into a dead object,
// registrations that go with their commands, and delayed destructions that
// wait for the outermost dispatch to return.
#include <memory>
#include <utility>

#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "host/ToolkitTestSupport.h"

namespace {

// Logs its own destruction.
class Mortal : public VOKCommand {
 public:
  explicit Mortal(Log* log) : _log(log) {}
  ~Mortal() override { _log->push_back("destroyed"); }

 private:
  Log* _log;
};

class DispatchTest : public ToolkitTest {
 protected:
  VOKCommand sender;
  VOKNotification ping{"PingNotification"};
  VOKNotification pong{"PongNotification"};
  Log log;
};

TEST_F(DispatchTest, CallbacksRunInRegistrationOrderAfterTheListener) {
  Recorder first(&log, "first");
  Recorder second(&log, "second");
  char a[] = "a", b[] = "b", c[] = "c";
  second.Listen(&sender, &ping, a);
  first.Listen(&sender, &ping, b);
  first.Listen(&sender, &pong, c);
  second.Listen(&first, &ping, c);  // another sender: not called
  VOKCommand target;
  VOKCommand::SetSendListener([&](VOKCommand* from, VOKCommand* to, VOKNotification* what) {
    EXPECT_EQ(&sender, from);
    EXPECT_EQ(&target, to);
    log.push_back(std::string("listener ") + what->GetNotificationName());
  });

  sender.SendNotification(&target, &ping);

  EXPECT_EQ(
      (Log{"listener PingNotification", "second PingNotification a", "first PingNotification b"}),
      log);
  EXPECT_EQ(&sender, first.lastSender);
}

TEST_F(DispatchTest, NullArgumentsAreRefusedAndRegistrationsGoWithTheirCommands) {
  const std::size_t before = VOKCommand::RegisteredCallbacks();
  Recorder receiver(&log, "receiver");
  EXPECT_EQ(0, receiver.AddAnalyseNotificationCB(nullptr, &ping, &Recorder::Record, nullptr));
  EXPECT_EQ(0, receiver.AddAnalyseNotificationCB(&sender, nullptr, &Recorder::Record, nullptr));
  EXPECT_EQ(0, receiver.AddAnalyseNotificationCB(&sender, &ping, nullptr, nullptr));
  EXPECT_EQ(before, VOKCommand::RegisteredCallbacks());
  {
    VOKCommand shortLived;
    receiver.Listen(&shortLived, &pong);
    EXPECT_EQ(before + 1, VOKCommand::RegisteredCallbacks());
  }
  EXPECT_EQ(before, VOKCommand::RegisteredCallbacks());
  receiver.Listen(&sender, &ping);
  {
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): the copy is what is tested
    Recorder copy(receiver);  // a copy carries no registrations
    EXPECT_EQ(before + 1, VOKCommand::RegisteredCallbacks());
  }
  sender.SendNotification(&sender, &ping);
  EXPECT_EQ((Log{"receiver PingNotification -"}), log);
}

TEST_F(DispatchTest, ReceiverDestroyedByAnEarlierCallbackIsNotCalled) {
  Recorder killer(&log, "killer");
  auto* victim = new Recorder(&log, "victim");
  killer.Listen(&sender, &ping);
  victim->Listen(&sender, &ping);
  killer.action = [&] { delete victim; };
  sender.SendNotification(&sender, &ping);
  EXPECT_EQ((Log{"killer PingNotification -"}), log);
}

TEST_F(DispatchTest, SenderDestroyedByItsOwnCallbackEndsTheDispatch) {
  auto* dying = new VOKCommand;
  Recorder first(&log, "first");
  Recorder second(&log, "second");
  first.Listen(dying, &ping);
  second.Listen(dying, &ping);
  first.action = [&] { delete dying; };
  dying->SendNotification(dying, &ping);
  EXPECT_EQ((Log{"first PingNotification -"}), log);
}

// The inner send runs all three; the outer one, resumed, skips the receiver
// dropped meanwhile.
TEST_F(DispatchTest, EveryNestedSendSkipsAReceiverDroppedInAnother) {
  Recorder first(&log, "first");
  auto* second = new Recorder(&log, "second");
  Recorder third(&log, "third");
  first.Listen(&sender, &ping);
  second->Listen(&sender, &ping);
  third.Listen(&sender, &ping);
  bool inner = false;
  first.action = [&] {
    if (inner) return;
    inner = true;
    sender.SendNotification(&sender, &ping);
  };
  third.action = [&] {
    if (inner && second != nullptr) delete std::exchange(second, nullptr);
  };
  sender.SendNotification(&sender, &ping);
  EXPECT_EQ(
      (Log{"first PingNotification -", "first PingNotification -", "second PingNotification -",
           "third PingNotification -", "third PingNotification -"}),
      log);
}

TEST_F(DispatchTest, CallbackAddedDuringADispatchRunsFromTheNextSend) {
  Recorder first(&log, "first");
  Recorder late(&log, "late");
  first.Listen(&sender, &ping);
  first.action = [&] {
    late.Listen(&sender, &ping);
    first.action = nullptr;
  };
  sender.SendNotification(&sender, &ping);
  EXPECT_EQ((Log{"first PingNotification -"}), log);
  sender.SendNotification(&sender, &ping);
  EXPECT_EQ(3u, log.size());
  EXPECT_EQ("late PingNotification -", log.back());
}

// Registrations dropped in any order: a command's registrations go with it
// whichever end of the registry they sit at, and nobody else's do.
TEST_F(DispatchTest, OldestMiddleAndNewestReceiversLeaveOnlyTheirOwnCallbacks) {
  const std::size_t before = VOKCommand::RegisteredCallbacks();
  auto oldest = std::make_unique<Recorder>(&log, "oldest");
  auto middle = std::make_unique<Recorder>(&log, "middle");
  auto newest = std::make_unique<Recorder>(&log, "newest");
  Recorder survivor(&log, "survivor");
  oldest->Listen(&sender, &ping);
  middle->Listen(&sender, &ping);
  survivor.Listen(&sender, &ping);
  newest->Listen(&sender, &ping);
  oldest->Listen(&sender, &ping);  // twice: both go with it

  middle.reset();
  oldest.reset();
  EXPECT_EQ(before + 2, VOKCommand::RegisteredCallbacks());
  sender.SendNotification(&sender, &ping);
  newest.reset();
  sender.SendNotification(&sender, &ping);

  EXPECT_EQ((Log{"survivor PingNotification -", "newest PingNotification -",
                 "survivor PingNotification -"}),
            log);
  EXPECT_EQ(before + 1, VOKCommand::RegisteredCallbacks());
}

TEST_F(DispatchTest, CommandListeningToItselfLeavesNothingBehind) {
  const std::size_t before = VOKCommand::RegisteredCallbacks();
  Recorder other(&log, "other");
  {
    Recorder self(&log, "self");
    self.Listen(&self, &ping);
    other.Listen(&self, &ping);
    self.Listen(&other, &ping);
    self.SendNotification(&self, &ping);
  }
  EXPECT_EQ(before, VOKCommand::RegisteredCallbacks());
  other.SendNotification(&other, &ping);
  EXPECT_EQ((Log{"self PingNotification -", "other PingNotification -"}), log);
}

TEST_F(DispatchTest, DelayedDestructionWaitsForTheOutermostDispatchToReturn) {
  auto* mortal = new Mortal(&log);
  VOKCommand inner;
  Recorder atOuter(&log, "outer");
  Recorder atInner(&log, "inner");
  atOuter.Listen(&sender, &ping);
  atInner.Listen(&inner, &ping);
  atInner.action = [&] {
    mortal->RequestDelayedDestruction();
    mortal->RequestDelayedDestruction();     // a second request changes nothing
    VOKCommand::FlushDelayedDestructions();  // waits for the dispatch to end
  };
  atOuter.action = [&] {
    inner.SendNotification(&inner, &ping);
    log.push_back("inner returned");
  };

  sender.SendNotification(&sender, &ping);

  EXPECT_EQ(
      (Log{"outer PingNotification -", "inner PingNotification -", "inner returned", "destroyed"}),
      log);
  EXPECT_EQ(0u, VOKCommand::PendingDestructions());
  EXPECT_FALSE(VOKCommand::InDispatch());
}

TEST_F(DispatchTest, OutsideADispatchDelayedObjectsWaitForAFlushOrLeaveWithTheirParent) {
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

TEST_F(DispatchTest, StackObjectIsNeverDeletedByADelayedDestruction) {
  Mortal onStack(&log);
  testing::internal::CaptureStderr();
  onStack.RequestDelayedDestruction();
  const std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, message.find("not created by the host allocator")) << message;
  EXPECT_EQ(0u, VOKCommand::PendingDestructions());
}

}  // namespace
