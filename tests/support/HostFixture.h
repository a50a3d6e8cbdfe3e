// File: HostFixture.h
// A test fixture that puts the host in a known state: English (en_US),
// outside a Thai setting, today fixed to 4 December 2026, message boxes
// answered at once and recorded, allocation faults cleared. Everything it
// changes is restored afterwards, and pending delayed destructions are
// carried out.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "command_framework/VOKCommand.h"
#include "dialog_toolkit/VOKDlgNotify.h"

struct ShownBox {
  std::string name;
  std::string title;
  std::string message;
  VOKDialog* parent;
};

class HostFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Records of a traced class, captured from now on.
  void CaptureTrace(const std::string& className);
  std::vector<std::string> TakeTrace(const std::string& className);

  // Runs while a message box is shown (after it was recorded).
  std::function<void(VOKDlgNotify&)> onBox;
  std::vector<ShownBox> boxes;

 private:
  VOKDlgNotify::Responder _previousResponder;
  std::vector<std::string> _captured;
};

// Counts a notification and runs an optional action when it arrives.
class NotificationSpy : public VOKCommand {
 public:
  NotificationSpy(VOKCommand* sender, VOKNotification* notification);
  void OnNotification(VOKCommand* sender, VOKNotification* notification, void* data);

  int count = 0;
  std::function<void()> onNotify;
};
