// A person at the keyboard of a host dialog that holds one date entry
// frame, "Created", today being 1 June 2025: Tab and Enter open the
// calendar on today, the keys given follow, then the input ends.
#pragma once

#include <string>
#include <vector>

#include "base_runtime/VOKTime.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "host/FrontEndScriptScreen.h"

// Plays the keys on screen; returns the text the frame's editor ends with.
inline std::string RunEntryFrameSession(ScriptScreen& screen, const std::vector<Step>& keys) {
  VOKHostClock::FixToday(2025, 6, 1);
  VOKDlgDialog host(nullptr, "Host", VOKDlgStyle::OKButton | VOKDlgStyle::CancelButton);
  host.SetVisibility(VOKDlgVisibility::Shown);
  auto* frame = new VOKDlgFrame(&host, "Fields", VOKDlgStyle::GridLayout);
  auto* entry = new VOKQELNavDateEntryFrame(&host, frame, "Created");
  entry->SetGridConstraints(0, 0, 1, 1, 30);
  screen.events = {Key(VOKKey::Tab), Key(VOKKey::Enter)};
  screen.events.insert(screen.events.end(), keys.begin(), keys.end());
  VOKFrontEndSession session(host, screen);
  screen.session = &session;
  session.Run();
  screen.session = nullptr;
  return entry->getEditor()->GetText().ToUtf8();
}
