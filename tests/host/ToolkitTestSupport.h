// File: ToolkitTestSupport.h
// Shared pieces of the command and toolkit tests: a fixture that gives each
// test a fresh host context and checks every host object the test made is
// gone at its end, and a command that logs the callbacks it receives.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base_runtime/HostContext.h"
#include "base_runtime/VOKBaseUnknown.h"
#include "command_framework/VOKCommand.h"
#include "dialog_toolkit/VOKDlgNotify.h"

// The check runs in the destructor, after a derived fixture's members are
// gone and before the context is.
class ToolkitTest : public ::testing::Test {
 protected:
  ~ToolkitTest() override {
    VOKCommand::FlushDelayedDestructions();
    EXPECT_EQ(_liveAtStart, VOKBaseUnknown::LiveObjects()) << "host objects leaked";
  }

 private:
  vok::ScopedHostContext _context;
  long _liveAtStart = VOKBaseUnknown::LiveObjects();
};

using Log = std::vector<std::string>;

// Logs "<name> <notification> <data>" per callback, then runs its action.
class Recorder : public VOKCommand {
 public:
  Recorder(Log* log, std::string name) : _log(log), _name(std::move(name)) {}

  void Listen(VOKCommand* sender, VOKNotification* notification, const char* data = nullptr) {
    AddAnalyseNotificationCB(sender, notification, &Recorder::Record, const_cast<char*>(data));
  }
  void Record(VOKCommand* sender, VOKNotification* notification, void* data) {
    lastSender = sender;
    const char* text = data != nullptr ? static_cast<const char*>(data) : "-";
    _log->push_back(_name + " " + notification->GetNotificationName() + " " + text);
    if (action) action();
  }

  std::function<void()> action;
  VOKCommand* lastSender = nullptr;

 private:
  Log* _log;
  std::string _name;
};
