// File: WebServer.cpp
#include "web_front_end/WebServer.h"

#include <httplib.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <charconv>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <nlohmann/json.hpp>
#include <vector>

#include "web_front_end/ConnectionGate.h"
#include "web_front_end/PageMessage.h"
#include "web_front_end/ReadAheadStream.h"

namespace vok::web {
namespace {

using Request = httplib::Request;
using Response = httplib::Response;
using Admission = httplib::Server::HandlerResponse;

constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kTokenMark = "__VOK_TOKEN__";
// Bodies are read up to this and refused past it; DecodeMessage refuses
// what lies between kMaxMessageBytes and this with a reason.
constexpr std::size_t kMaxBodyBytes = 4 * kMaxMessageBytes;
// A stream that had nothing to send for this long sends a comment, which
// is how a closed page is noticed.
constexpr std::chrono::milliseconds kHeartbeat{1000};
// The time a connection has to send its request head.
constexpr std::chrono::milliseconds kHeadTime{2000};
// Once the head is in: the time one read or write of the rest may wait.
constexpr std::chrono::seconds kReadTime{5};
constexpr std::chrono::seconds kWriteTime{5};
// Threads that answer requests whose head is in; each open event stream
// holds one.
constexpr std::size_t kWorkers = 8;
// On Stop, the time open event streams have to send their end: the
// library stops calling a stream's provider once it stops listening.
constexpr std::chrono::seconds kStreamEndTime{2};
constexpr int kListenBacklog = 128;

std::string errorBody(const std::string& why) { return nlohmann::json{{"error", why}}.dump(); }

std::string event(const char* name, const std::string& data) {
  return std::string("event: ") + name + "\ndata: " + data + "\n\n";
}

std::string withToken(std::string html, const std::string& token) {
  const std::string mark = kTokenMark;
  for (std::size_t at; (at = html.find(mark)) != std::string::npos;)
    html.replace(at, mark.size(), token);
  return html;
}

// Runs each connection cpp-httplib accepts at once, on its listening
// thread: all the server does there is hand it to the gate.
class HandOver : public httplib::TaskQueue {
 public:
  void enqueue(std::function<void()> task) override { task(); }
  void shutdown() override {}
};

// cpp-httplib's parsing, routing and writing, with connections that wait
// for their head in the gate instead of in a worker.
class GatedServer : public httplib::Server {
 public:
  GatedServer() {
    new_task_queue = [] { return new HandOver; };
  }

  // The library listens with a short backlog; listening again lengthens it.
  void LengthenBacklog() { ::listen(svr_sock_, kListenBacklog); }

  // Serves until stop(); the gate and the workers last as long.
  void Serve() {
    httplib::ThreadPool workers(kWorkers);
    {
      ConnectionGate gate(
          [this, &workers](int socket, std::string received) {
            workers.enqueue([this, socket, received = std::move(received)]() mutable {
              answer(socket, std::move(received));
            });
          },
          kHeadTime);
      _gate = &gate;
      listen_after_bind();
      _gate = nullptr;
    }
    workers.shutdown();
  }

 private:
  bool process_and_close_socket(socket_t socket) override {
    _gate->Enter(socket);
    return true;
  }

  // One request per connection.
  void answer(int socket, std::string received) {
    ReadAheadStream stream(socket, std::move(received), kReadTime, kWriteTime);
    bool closed = false;
    process_request(stream, true, closed, [](Request&) {});
    shutdown(socket, SHUT_RDWR);
    close(socket);
  }

  ConnectionGate* _gate = nullptr;
};

bool carriesBody(const Request& request) {
  return request.has_header("Transfer-Encoding") ||
         (request.has_header("Content-Length") &&
          request.get_header_value("Content-Length") != "0");
}

// The Content-Length a request declares; nullopt when it is not one
// number or there is more than one.
std::optional<std::size_t> declaredLength(const Request& request) {
  if (request.get_header_value_count("Content-Length") != 1) return std::nullopt;
  const std::string text = request.get_header_value("Content-Length");
  std::size_t length = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return length;
}

// Every value the query gives the token, in order. The library's own
// parameters fold a pair given twice into one.
std::vector<std::string> tokensIn(const std::string& target) {
  std::vector<std::string> values;
  const std::size_t query = target.find('?');
  if (query == std::string::npos) return values;
  httplib::detail::split(
      target.data() + query + 1, target.data() + target.size(), '&',
      [&values](const char* begin, const char* end) {
        const std::string pair(begin, end);
        const std::size_t equals = pair.find('=');
        if (httplib::detail::decode_url(pair.substr(0, equals), true) != "token") return;
        values.push_back(equals == std::string::npos
                             ? ""
                             : httplib::detail::decode_url(pair.substr(equals + 1), true));
      });
  return values;
}

struct Refusal {
  int status = 0;  // 0: none
  std::string text;
};

}  // namespace

struct WebServer::Routes {
  Routes(WebScreen& page, PageFiles served, std::string secret)
      : screen(page), files(std::move(served)), token(std::move(secret)) {
    files["/"].contents = withToken(files["/"].contents, token);
    server.set_payload_max_length(kMaxBodyBytes);
    // A view is a few small writes; Nagle's algorithm would hold them.
    server.set_tcp_nodelay(true);
    // Not the library's SO_REUSEPORT: a port another program listens on
    // is refused, not shared with it.
    server.set_socket_options([](int listening) {
      const int yes = 1;
      setsockopt(listening, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.set_default_headers({
        {"Cache-Control", "no-store"},
        {"X-Content-Type-Options", "nosniff"},
        {"Content-Security-Policy", "default-src 'self'; frame-ancestors 'none'"},
        {"Referrer-Policy", "no-referrer"},
    });
    server.set_pre_routing_handler([this](const Request& request, Response& response) {
      const Refusal refusal = refusalOf(request);
      if (refusal.status == 0) return Admission::Unhandled;
      response.status = refusal.status;
      response.set_content(refusal.text, "text/plain");
      return Admission::Handled;
    });
    server.Get("/events", [this](const Request&, Response& response) { stream(response); });
    server.Post("/event", [this](const Request&, Response& response,
                                 const httplib::ContentReader& read) { receive(read, response); });
    for (const auto& [path, file] : files) {
      server.Get(path, [&file = file](const Request&, Response& response) {
        response.set_content(file.contents, file.contentType);
      });
    }
  }

  // Whether the request is answered at all, decided on its head alone:
  // the Host first (a page from another site, its name rebound to this
  // address), the token, then what may be asked with what.
  Refusal refusalOf(const Request& request) const {
    const std::string host = request.get_header_value("Host");
    if (request.get_header_value_count("Host") != 1 || !ownHost(host))
      return {421,
              "This server answers to 127.0.0.1:" + port + " and localhost:" + port + " only.\n"};
    const std::vector<std::string> tokens = tokensIn(request.target);
    if (tokens.size() != 1 || tokens.front() != token)
      return {403, "This address needs the token that vok_demo printed.\n"};
    if (request.path == "/event" && request.method == "POST") {
      const std::optional<std::size_t> length = declaredLength(request);
      if (request.has_header("Content-Length") && !length)
        return {400, "The Content-Length is not one number.\n"};
      if (length && *length > kMaxBodyBytes)
        return {413, "A message is at most " + std::to_string(kMaxBodyBytes) + " bytes.\n"};
      if (request.get_header_value("Origin") != "http://" + host)
        return {403, "Events are taken from the page's own origin only.\n"};
      return {};
    }
    const bool served = request.path == "/events" || files.count(request.path) > 0;
    if (!served || (request.method != "GET" && request.method != "HEAD"))
      return {404, "Not found.\n"};
    if (carriesBody(request)) return {400, "A GET request carries no body.\n"};
    return {};
  }

  bool ownHost(const std::string& host) const {
    return host == std::string(kLoopback) + ":" + port || host == "localhost:" + port;
  }

  void receive(const httplib::ContentReader& read, Response& response) {
    std::string body;
    bool tooLong = false;
    const bool whole = read([&body, &tooLong](const char* data, std::size_t length) {
      tooLong = body.size() + length > kMaxBodyBytes;
      if (!tooLong) body.append(data, length);
      return !tooLong;
    });
    if (!whole) {
      response.status = tooLong ? 413 : 400;
      return response.set_content(
          errorBody(tooLong ? "The message is too long." : "The message could not be read."),
          "application/json");
    }
    const DecodedMessage decoded = DecodeMessage(body);
    if (!decoded.message) {
      response.status = 400;
      return response.set_content(errorBody(decoded.error), "application/json");
    }
    switch (screen.Post(decoded.message->stream, decoded.message->event)) {
      case WebScreen::Posted::Accepted:
        return response.set_content("{}", "application/json");
      case WebScreen::Posted::TakenOver:
        response.status = 409;
        return response.set_content(errorBody("Another page has taken this session over."),
                                    "application/json");
      case WebScreen::Posted::Ended:
        response.status = 410;
        return response.set_content(errorBody("The session has ended."), "application/json");
    }
  }

  // Once the screen has ended, every stream sends its end and closes.
  void waitForStreamsToEnd() {
    std::unique_lock lock(streamsMutex);
    streamsClosed.wait_for(lock, kStreamEndTime, [this] { return openStreams == 0; });
  }

  // The stream's state lives as long as the response's provider.
  void stream(Response& response) {
    {
      const std::lock_guard lock(streamsMutex);
      ++openStreams;
    }
    const long number = screen.OpenStream();
    auto greeted = std::make_shared<bool>(false);
    auto seen = std::make_shared<long>(0);
    response.set_chunked_content_provider(
        "text/event-stream",
        [this, number, greeted, seen](std::size_t, httplib::DataSink& sink) {
          const auto send = [&sink](const std::string& text) {
            return sink.write(text.data(), text.size());
          };
          if (!*greeted) {
            *greeted = true;
            return send(event("hello", nlohmann::json{{"stream", number}}.dump()));
          }
          const WebScreen::Update update = screen.WaitForUpdate(number, *seen, kHeartbeat);
          switch (update.kind) {
            case WebScreen::Update::Kind::View:
            case WebScreen::Update::Kind::Patch:
              *seen = update.version;
              return send(event(update.kind == WebScreen::Update::Kind::View ? "view" : "patch",
                                update.view));
            case WebScreen::Update::Kind::Idle:
              return send(": idle\n\n");
            case WebScreen::Update::Kind::TakenOver:
            case WebScreen::Update::Kind::Ended: {
              const bool taken = update.kind == WebScreen::Update::Kind::TakenOver;
              const bool sent =
                  send(event("end", nlohmann::json{{"reason", taken ? "taken" : "ended"}}.dump()));
              sink.done();
              return sent;
            }
          }
          return false;
        },
        [this](bool) {
          screen.CloseStream();
          {
            const std::lock_guard lock(streamsMutex);
            --openStreams;
          }
          streamsClosed.notify_all();
        });
  }

  WebScreen& screen;
  PageFiles files;
  const std::string token;
  std::string port;  // once bound
  std::mutex streamsMutex;
  std::condition_variable streamsClosed;
  int openStreams = 0;
  GatedServer server;
};

WebServer::WebServer(WebScreen& screen, PageFiles files, std::string token)
    : _routes(std::make_unique<Routes>(screen, std::move(files), std::move(token))) {}

WebServer::~WebServer() { Stop(); }

int WebServer::Bind(int port) {
  GatedServer& server = _routes->server;
  const int bound = port == 0 ? server.bind_to_any_port(kLoopback)
                              : (server.bind_to_port(kLoopback, port) ? port : -1);
  if (bound < 0) return -1;
  server.LengthenBacklog();
  _routes->port = std::to_string(bound);
  return bound;
}

void WebServer::Start() {
  // Signals go to the session's thread, which looks for them between
  // events; the server's threads (and the ones they start) block them.
  sigset_t signals;
  sigset_t previous;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, &previous);
  _thread = std::thread([this] {
    _routes->server.Serve();
    _listenReturned = true;
  });
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  // httplib's stop() does nothing until the listening loop has begun, so
  // a Stop right after Start (Ctrl-C at once) would wait for ever.
  while (!_listenReturned && !_routes->server.is_running())
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void WebServer::Stop() {
  _routes->waitForStreamsToEnd();
  _routes->server.stop();
  if (_thread.joinable()) _thread.join();
}

}  // namespace vok::web
