// File: FrameBench.cpp
// The entry frame's whole round: the user presses the calendar button,
// picks a day and presses OK; the frame writes the date into its editor.
// From the second round on the calendar opens on the editor's date.
#include <benchmark/benchmark.h>

#include "bench/AllocationCounter.h"
#include "bench/BenchHost.h"
#include "bench/Spread.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "dialog_toolkit/VOKDlgUser.h"

namespace {

// The calendar the last press opened: the frame's newest child.
VOKQELNavCalendarUI* OpenedCalendar(const VOKQELNavDateEntryFrame& frame) {
  return dynamic_cast<VOKQELNavCalendarUI*>(frame.GetChildren().back());
}

// Buttons "15" and "16" (cells 14 and 15) always hold days of the month;
// the one not marked yet is picked, since the marked day cannot be pressed.
VOKDlgPushButton* DayToPick(const VOKQELNavCalendarUI& calendar) {
  auto* button = vok_bench::Find<VOKDlgPushButton>(&calendar, "15");
  if (button != nullptr && button->GetSensitivity() == VOKDlgSensitivity::Usable) return button;
  return vok_bench::Find<VOKDlgPushButton>(&calendar, "16");
}

bool PressPickOK(VOKQELNavDateEntryFrame& frame) {
  if (!VOKDlgUser::Press(frame.getButton())) return false;
  VOKQELNavCalendarUI* calendar = OpenedCalendar(frame);
  return calendar != nullptr && VOKDlgUser::Press(DayToPick(*calendar)) &&
         VOKDlgUser::PressOK(calendar);
}

void BM_EntryFramePressPickOK(benchmark::State& state) {
  vok_bench::HostWindow host;
  auto* frame = new VOKQELNavDateEntryFrame(host.dialog(), host.frame(), "DateEntry");
  const long childrenBefore = static_cast<long>(frame->GetChildren().size());
  const vok_bench::AllocationCount start = vok_bench::CountedAllocations();
  for (auto _ : state) {
    if (!PressPickOK(*frame)) {
      state.SkipWithError("press, pick or OK could not be done");
      break;
    }
  }
  vok_bench::ReportAllocationsSince(state, start);
  if (static_cast<long>(frame->GetChildren().size()) != childrenBefore) {
    state.SkipWithError("a calendar was left behind");
  }
  state.SetLabel(frame->getEditor()->GetText().ToUtf8());
}
VOK_BENCHMARK(BM_EntryFramePressPickOK)->Unit(benchmark::kMicrosecond);

}  // namespace
