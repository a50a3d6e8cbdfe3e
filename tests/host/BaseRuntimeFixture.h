// A fixture for base-runtime tests: a fresh host context in English, no
// Thai setting, no layout override; the context current before comes back
// afterwards, and so do the environment variables a test changed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "base_runtime/HostContext.h"
#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "base_runtime/VOKTime.h"

class BaseRuntimeFixture : public ::testing::Test {
 protected:
  void SetUp() override { VOKHostSettings::SetLocale("en_US"); }

  void TearDown() override {
    for (const auto& [name, value] : _savedEnvironment) Set(name, value ? value->c_str() : nullptr);
  }

  // Sets (or, with null, unsets) a variable until the end of the test.
  void SetEnv(const std::string& name, const char* value) {
    if (!_savedEnvironment.contains(name)) {
      const char* old = std::getenv(name.c_str());
      _savedEnvironment[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    Set(name, value);
  }

 private:
  static void Set(const std::string& name, const char* value) {
    value ? setenv(name.c_str(), value, 1) : unsetenv(name.c_str());
  }

  vok::ScopedHostContext _context;
  std::map<std::string, std::optional<std::string>> _savedEnvironment;
};
