// File: TraceSwitches.h
// The trace switches of all classes, one int each, owned by the library.
// VOK_TRACE (read on first use) names the classes that start switched on:
// "all", or class names separated by commas, blanks around them ignored.
#pragma once

#include <string>

namespace vok::services {

// The int stays at the same address for the life of the process, so trace
// objects may keep a pointer to it. A class met for the first time starts
// as VOK_TRACE says.
int& TraceSwitchOf(const std::string& className);

void SetTraceSwitch(const std::string& className, bool on);

// Reads VOK_TRACE again and sets every switch from it; switches of classes
// it does not name go off.
void ReadTraceSelection();

}  // namespace vok::services
