// File: WebRoundTripBench.cpp
// From the person's input sent by the page to the view that shows its
// outcome in the page, over loopback: vok_demo's form runs in the web
// front end on a thread of its own (the toolkit's thread), and the bench
// is the page: it listens to the event stream, keeps the view up to date
// with the patches that come, and posts clicks and keys.
//   BM_WebClickToUpdate    clicks the first field's calendar button and
//                          waits for the calendar (timed), then presses Esc
//                          and waits for it to close (not timed)
//   BM_WebArrowInCalendar  in the open calendar, Right and Left by turns,
//                          each waited for; prints the median and the 99th
//                          percentile of the round trip and the bytes one
//                          key's update carried
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "demo/DemoSearchForm.h"
#include "web_front_end/VOKWebFrontEnd.h"

namespace {

using Json = nlohmann::json;
constexpr auto kWait = std::chrono::seconds(5);

// The events of the stream as they come: the stream's number and the
// latest view with how many came.
class Listener {
 public:
  void Take(std::string_view chunk) {
    _buffer.append(chunk);
    for (std::size_t end; (end = _buffer.find("\n\n")) != std::string::npos;) {
      const std::string event = _buffer.substr(0, end);
      _buffer.erase(0, end + 2);
      const std::size_t data = event.find("\ndata: ");
      if (data == std::string::npos) continue;
      const std::string name = event.substr(7, data - 7);
      const std::string text = event.substr(data + 7);
      {
        std::lock_guard lock(_mutex);
        if (name == "hello") _stream = Json::parse(text)["stream"];
        if (name == "view") _view = Json::parse(text);
        if (name == "patch") _view = _view.patch(Json::parse(text));
        if (name == "view" || name == "patch") {
          ++_views;
          _lastBytes = text.size();
        }
      }
      _changed.notify_all();
    }
  }
  // The bytes of the last update's data.
  std::size_t LastBytes() {
    std::lock_guard lock(_mutex);
    return _lastBytes;
  }
  // The view after the count-th one.
  Json ViewAfter(long count) {
    std::unique_lock lock(_mutex);
    _changed.wait_for(lock, kWait, [&] { return _views > count; });
    return _view;
  }
  long Views() {
    std::lock_guard lock(_mutex);
    return _views;
  }
  long Stream() {
    std::lock_guard lock(_mutex);
    return _stream;
  }

 private:
  std::string _buffer;
  std::mutex _mutex;
  std::condition_variable _changed;
  Json _view;
  long _views = 0;
  long _stream = -1;
  std::size_t _lastBytes = 0;
};

Json CalendarButtonCell(const Json& view) {
  for (const Json& line : view["windows"][0]["lines"]) {
    for (const Json& item : line) {
      if (item["name"] == "_calButton") return item["at"];
    }
  }
  return nullptr;
}

// vok_demo's form served on a free port, and the bench as its page.
class ServedForm {
 public:
  ServedForm() {
    std::promise<std::string> address;
    _toolkit = std::thread([&address] {
      vok_demo::DemoSearchForm form;
      form.SetVisibility(VOKDlgVisibility::Shown);
      std::string problem;
      if (VOKWebFrontEnd::Run(
              form, 0, [&](const std::string& at) { address.set_value(at); }, problem) != 0) {
        address.set_value("");
      }
    });
    const std::string served = address.get_future().get();
    if (served.empty()) return;
    const std::string token = served.substr(served.find("token=") + 6);
    const int port = std::stoi(served.substr(std::string("http://127.0.0.1:").size()));
    _events = "/event?token=" + token;
    _stream = std::thread([this, port, token] {
      httplib::Client client("127.0.0.1", port);
      client.set_read_timeout(10);
      client.set_tcp_nodelay(true);
      client.Get("/events?token=" + token, [this](const char* data, std::size_t size) {
        listener.Take(std::string_view(data, size));
        return true;
      });
    });
    _client = std::make_unique<httplib::Client>("127.0.0.1", port);
    _client->set_tcp_nodelay(true);
    // The server takes events from the page's own origin only.
    _client->set_default_headers({{"Origin", "http://127.0.0.1:" + std::to_string(port)}});
    listener.ViewAfter(0);
  }
  ~ServedForm() {
    if (_client) Post({{"kind", "quit"}});
    _toolkit.join();
    if (_stream.joinable()) _stream.join();
  }
  ServedForm(const ServedForm&) = delete;
  ServedForm& operator=(const ServedForm&) = delete;

  bool Serves() const { return _client != nullptr; }
  void Post(Json message) {
    message["stream"] = listener.Stream();
    _client->Post(_events, message.dump(), "application/json");
  }
  // Posts the message and waits for the view it brings.
  Json Round(const Json& message) {
    const long before = listener.Views();
    Post(message);
    return listener.ViewAfter(before);
  }

  Listener listener;

 private:
  std::thread _toolkit;
  std::thread _stream;
  std::string _events;
  std::unique_ptr<httplib::Client> _client;
};

void BM_WebClickToUpdate(benchmark::State& state) {
  ServedForm served;
  if (!served.Serves()) return state.SkipWithError("the web front end did not start");
  const Json cell = CalendarButtonCell(served.listener.ViewAfter(0));
  for (auto _ : state) {
    if (served.Round({{"kind", "click"}, {"x", cell["x"]}, {"y", cell["y"]}})["windows"].size() !=
        2) {
      state.SkipWithError("no calendar");
    }
    state.PauseTiming();
    served.Round({{"kind", "key"}, {"key", "Escape"}});
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WebClickToUpdate)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_WebArrowInCalendar(benchmark::State& state) {
  ServedForm served;
  if (!served.Serves()) return state.SkipWithError("the web front end did not start");
  const Json cell = CalendarButtonCell(served.listener.ViewAfter(0));
  served.Round({{"kind", "click"}, {"x", cell["x"]}, {"y", cell["y"]}});
  std::vector<double> milliseconds;
  std::size_t bytes = 0;
  bool right = true;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    served.Round({{"kind", "key"}, {"key", right ? "Right" : "Left"}});
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count() / 1000);
    milliseconds.push_back(took.count());
    bytes = std::max(bytes, served.listener.LastBytes());
    right = !right;
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  const auto at = [&](double share) {
    return milliseconds[static_cast<std::size_t>(share *
                                                 static_cast<double>(milliseconds.size() - 1))];
  };
  state.counters["median_ms"] = at(0.5);
  state.counters["p99_ms"] = at(0.99);
  state.counters["max_bytes_per_key"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WebArrowInCalendar)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(2000);

}  // namespace
