// File: KeysBench.cpp
// One key in the calendar of an interactive session, from the event to the
// picture shown: Right (the next day), PageDown and PageUp by turns (the
// month), and Home on the first day already chosen, a key that changes
// nothing. The screen (80 x 24, as a terminal) keeps its cells and draws
// only those the session says changed; "cells/key" counts them.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/BenchHost.h"
#include "bench/Spread.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "front_end/session/VOKFrontEndSession.h"

namespace {

// Tab to the calendar button, Enter to open the calendar, Home to choose
// the month's first day: then the keys, as long as the benchmark runs.
class KeyScreen : public VOKFrontEndScreen {
 public:
  KeyScreen(benchmark::State& state, std::vector<VOKKey> keys)
      : _state(state), _keys(std::move(keys)), _cells(80, 24) {}

  VOKCellSize Size() const override { return {_cells.Width(), _cells.Height()}; }
  void Show(const VOKScreenView& view) override {
    for (const VOKCellPoint& at : view.changed) {
      const VOKCell& cell = view.canvas.At(at.x, at.y);
      if (!cell.glyph.empty()) _cells.Text(at.x, at.y, cell.glyph, 2, cell.role);
    }
    if (_timed) _drawn += view.changed.size();
  }
  VOKInputEvent Next() override {
    static constexpr VOKKey kOpen[] = {VOKKey::Tab, VOKKey::Enter, VOKKey::Home};
    if (_opened < std::size(kOpen)) return VOKInputEvent::Pressed(kOpen[_opened++]);
    _timed = _state.KeepRunning();
    if (!_timed) return {};
    return VOKInputEvent::Pressed(_keys[_pressed++ % _keys.size()]);
  }

  std::size_t Drawn() const { return _drawn; }

 private:
  benchmark::State& _state;
  const std::vector<VOKKey> _keys;
  VOKCanvas _cells;
  std::size_t _opened = 0;
  std::size_t _pressed = 0;
  std::size_t _drawn = 0;
  bool _timed = false;
};

void BM_KeyInCalendar(benchmark::State& state, std::vector<VOKKey> keys) {
  vok_bench::HostWindow host;
  auto* entry = new VOKQELNavDateEntryFrame(host.dialog(), host.frame(), "DateEntry");
  KeyScreen screen(state, std::move(keys));
  VOKFrontEndSession session(*host.dialog(), screen);
  session.Run();
  state.counters["cells/key"] =
      benchmark::Counter(static_cast<double>(screen.Drawn()), benchmark::Counter::kAvgIterations);
  state.SetLabel(entry->getEditor()->GetText().ToUtf8().empty() ? "calendar open"
                                                                : "the calendar was closed");
}
BENCHMARK_CAPTURE(BM_KeyInCalendar, Right, std::vector<VOKKey>{VOKKey::Right})
    ->Apply(vok_bench::AddSpread)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeyInCalendar, PageDownUp,
                  std::vector<VOKKey>{VOKKey::PageDown, VOKKey::PageUp})
    ->Apply(vok_bench::AddSpread)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeyInCalendar, Nothing, std::vector<VOKKey>{VOKKey::Home})
    ->Apply(vok_bench::AddSpread)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
