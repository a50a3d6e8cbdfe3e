// A fixture for base-runtime tests: English, no Thai setting, no layout
// override; every global it or the test changes is restored afterwards,
// environment variables included.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "base_runtime/VOKTime.h"

class BaseRuntimeFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    VOKHostSettings::Reload();
    VOKHostSettings::SetLocale("en_US");
  }

  void TearDown() override {
    for (const auto& [name, value] : _savedEnvironment) Set(name, value ? value->c_str() : nullptr);
    VOKHostSettings::Reload();
    VOKHostClock::UseSystemClock();
    VOKMsgCatalog::ClearMemoryCatalogs();
    VOKMsgCatalog::ReloadFiles();
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

  std::map<std::string, std::optional<std::string>> _savedEnvironment;
};
