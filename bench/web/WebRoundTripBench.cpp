// File: WebRoundTripBench.cpp
// From a click sent by the page to the view that shows its outcome, over
// loopback: vok_demo's form runs in the web front end on a thread of its
// own (the toolkit's thread), and the bench is the page: it listens to the
// event stream and posts clicks. Each round clicks the first field's
// calendar button and waits for the view with the calendar (timed), then
// presses Esc and waits for the calendar to close (not timed).
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

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
      const Json body = Json::parse(event.substr(data + 7), nullptr, false);
      {
        std::lock_guard lock(_mutex);
        if (name == "hello") _stream = body["stream"];
        if (name == "view") {
          _view = body;
          ++_views;
        }
      }
      _changed.notify_all();
    }
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
};

Json CalendarButtonCell(const Json& view) {
  for (const Json& widget : view["windows"][0]["widgets"]) {
    if (widget["name"] == "_calButton") return widget["at"];
  }
  return nullptr;
}

void BM_WebClickToUpdate(benchmark::State& state) {
  std::promise<std::string> address;
  std::thread toolkit([&address] {
    vok_demo::DemoSearchForm form;
    form.SetVisibility(VOKDlgVisibility::Shown);
    std::string problem;
    if (VOKWebFrontEnd::Run(
            form, 0, [&](const std::string& at) { address.set_value(at); }, problem) != 0) {
      address.set_value("");
    }
  });
  const std::string served = address.get_future().get();
  if (served.empty()) {
    toolkit.join();
    return state.SkipWithError("the web front end did not start");
  }
  const std::string token = served.substr(served.find("token=") + 6);
  const int port = std::stoi(served.substr(std::string("http://127.0.0.1:").size()));

  Listener listener;
  std::thread stream([&] {
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(10);
    client.set_tcp_nodelay(true);
    client.Get("/events?token=" + token, [&](const char* data, std::size_t size) {
      listener.Take(std::string_view(data, size));
      return true;
    });
  });
  httplib::Client client("127.0.0.1", port);
  client.set_tcp_nodelay(true);
  // The server takes events from the page's own origin only.
  client.set_default_headers({{"Origin", "http://127.0.0.1:" + std::to_string(port)}});
  const std::string events = "/event?token=" + token;
  const auto post = [&](Json message) {
    message["stream"] = listener.Stream();
    return client.Post(events, message.dump(), "application/json");
  };
  const Json cell = CalendarButtonCell(listener.ViewAfter(0));
  for (auto _ : state) {
    const long before = listener.Views();
    post({{"kind", "click"}, {"x", cell["x"]}, {"y", cell["y"]}});
    if (listener.ViewAfter(before)["windows"].size() != 2) state.SkipWithError("no calendar");
    state.PauseTiming();
    const long opened = listener.Views();
    post({{"kind", "key"}, {"key", "Escape"}});
    listener.ViewAfter(opened);
    state.ResumeTiming();
  }
  post({{"kind", "quit"}});
  toolkit.join();
  stream.join();
}
BENCHMARK(BM_WebClickToUpdate)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
