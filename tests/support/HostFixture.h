// File: HostFixture.h
// A test fixture that gives each test a fresh host context, set to English
// (en_US) outside a Thai setting with today fixed to 4 December 2026, and
// answers message boxes at once, recording them. The context current before
// is current again afterwards; pending delayed destructions are carried out
// first.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base_runtime/HostContext.h"
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
  // First of the members, so that it outlives a derived fixture's.
  vok::ScopedHostContext _context;
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
