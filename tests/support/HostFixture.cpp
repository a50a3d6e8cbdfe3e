#include "support/HostFixture.h"

#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKTime.h"
#include "services/ImmersiveUITrace.h"

void HostFixture::SetUp() {
  VOKHostSettings::SetLocale("en_US");
  VOKHostSettings::SetThai(false, false);
  VOKHostClock::FixToday(2026, 12, 4);
  VOKDlgNotify::SetResponder(
      [this](VOKDlgNotify& box, const VOKUnicodeString& message, const VOKUnicodeString& title) {
        boxes.push_back({box.GetName().str(), title.ToUtf8(), message.ToUtf8(), box.GetParent()});
        if (onBox) onBox(box);
        return 0;
      });
}

void HostFixture::TearDown() {
  VOKCommand::FlushDelayedDestructions();
  // Switches are the process's, not the context's.
  for (const std::string& className : _captured) ImmersiveUITrace::SetSwitch(className, false);
}

void HostFixture::CaptureTrace(const std::string& className) {
  _captured.push_back(className);
  ImmersiveUITrace::SetSwitch(className, true);
  ImmersiveUITrace::StartCapture(className);
}

std::vector<std::string> HostFixture::TakeTrace(const std::string& className) {
  return ImmersiveUITrace::TakeCaptured(className);
}

NotificationSpy::NotificationSpy(VOKCommand* sender, VOKNotification* notification) {
  AddAnalyseNotificationCB(sender, notification, &NotificationSpy::OnNotification, nullptr);
}

void NotificationSpy::OnNotification(VOKCommand*, VOKNotification*, void*) {
  ++count;
  if (onNotify) onNotify();
}
