// File: FuzzHost.h
// The host as every fuzz target sees it: English locale, a fixed today,
// message boxes answered at once without a word, every trace switch on
// with the records kept in memory and dropped after each input. A setting
// (date layout, its placeholders, Thai calendar) is chosen by one input
// byte, so that the fuzzer explores all of them from one corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class VOKDlgDialog;

namespace vok_fuzz {

enum class Thai { Off, BuddhistEra, Gregorian };

struct Setting {
  const char* layout;  // as the host gives it, decoration included
  const char* day;     // the catalog's placeholders
  const char* month;
  const char* year;
  Thai thai;
  bool nlsTest;  // VOKNlsTest set
};

inline constexpr std::size_t kSettingCount = 16;

// Makes the host ready; safe to call for every input.
void PrepareHost();

// A shown host dialog that lives for the whole run, parent of the
// dialogs a target creates.
VOKDlgDialog& HostDialog();

// The setting a byte stands for, made the host's; its index in the table.
std::size_t ApplySetting(std::uint8_t selector);
const Setting& SettingAt(std::size_t index);

// Fixes today from a byte: a day of 2026 whose month and day vary with it.
void FixToday(std::uint8_t selector);

// Drops the trace records of the input and carries out delayed
// destructions.
void FinishInput();

// Writes what broke and the input's setting to stderr, then aborts so that
// the fuzzer keeps the input.
[[noreturn]] void Fail(std::string_view what, std::string_view detail);

}  // namespace vok_fuzz
