// Registrations dropped in any order: a command's registrations go with it
// whichever end of the registry they sit at, and nobody else's do.
#include <memory>

#include "host/ToolkitTestSupport.h"

namespace {

using Log = std::vector<std::string>;

class RegistryDropTest : public ToolkitTest {
 protected:
  VOKCommand sender;
  VOKNotification ping{"PingNotification"};
  Log log;
};

TEST_F(RegistryDropTest, OldestMiddleAndNewestReceiversLeaveOnlyTheirOwnCallbacks) {
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

TEST_F(RegistryDropTest, CommandListeningToItselfLeavesNothingBehind) {
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

}  // namespace
