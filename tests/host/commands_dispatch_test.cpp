// Notification dispatch: order, data, and never a call into a dead object.
#include "ToolkitTestSupport.h"

namespace {

using Log = std::vector<std::string>;

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

}  // namespace
