// File: WebServer.cpp
#include "web_front_end/WebServer.h"

#include <httplib.h>
#include <pthread.h>

#include <csignal>
#include <nlohmann/json.hpp>

#include "web_front_end/PageMessage.h"

namespace vok::web {
namespace {

constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kTokenMark = "__VOK_TOKEN__";
// A stream that had nothing to send for this long sends a comment, which
// is how a closed page is noticed.
constexpr std::chrono::milliseconds kHeartbeat{1000};

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

}  // namespace

struct WebServer::Routes {
  Routes(WebScreen& page, PageFiles served, std::string secret)
      : screen(page), files(std::move(served)), token(std::move(secret)) {
    files["/"].contents = withToken(files["/"].contents, token);
    server.set_payload_max_length(4 * kMaxMessageBytes);
    // A view is a few small writes; Nagle's algorithm would hold them.
    server.set_tcp_nodelay(true);
    // Not the library's SO_REUSEPORT: a port another program listens on
    // is refused, not shared with it.
    server.set_socket_options([](int listening) {
      const int yes = 1;
      setsockopt(listening, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.set_keep_alive_timeout(1);
    server.set_read_timeout(5);
    server.set_write_timeout(5);
    server.set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
          return admit(request, response);
        });
    server.Get("/events",
               [this](const httplib::Request&, httplib::Response& response) { stream(response); });
    server.Post("/event", [this](const httplib::Request& request, httplib::Response& response) {
      receive(request, response);
    });
    for (const auto& [path, file] : files) {
      server.Get(path, [&file = file](const httplib::Request&, httplib::Response& response) {
        response.set_content(file.contents, file.contentType);
      });
    }
  }

  httplib::Server::HandlerResponse admit(const httplib::Request& request,
                                         httplib::Response& response) const {
    response.set_header("Cache-Control", "no-store");
    response.set_header("X-Content-Type-Options", "nosniff");
    response.set_header("Content-Security-Policy", "default-src 'self'");
    if (request.get_param_value("token") == token)
      return httplib::Server::HandlerResponse::Unhandled;
    response.status = 403;
    response.set_content("This address needs the token that vok_demo printed.\n", "text/plain");
    return httplib::Server::HandlerResponse::Handled;
  }

  void receive(const httplib::Request& request, httplib::Response& response) {
    const DecodedMessage decoded = DecodeMessage(request.body);
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

  // The stream's state lives as long as the response's provider.
  void stream(httplib::Response& response) {
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
        [this](bool) { screen.CloseStream(); });
  }

  WebScreen& screen;
  PageFiles files;
  const std::string token;
  httplib::Server server;
};

WebServer::WebServer(WebScreen& screen, PageFiles files, std::string token)
    : _routes(std::make_unique<Routes>(screen, std::move(files), std::move(token))) {}

WebServer::~WebServer() { Stop(); }

int WebServer::Bind(int port) {
  if (port == 0) return _routes->server.bind_to_any_port(kLoopback);
  return _routes->server.bind_to_port(kLoopback, port) ? port : -1;
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
    _routes->server.listen_after_bind();
    _listenReturned = true;
  });
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  // httplib's stop() does nothing until the listening loop has begun, so
  // a Stop right after Start (Ctrl-C at once) would wait for ever.
  while (!_listenReturned && !_routes->server.is_running())
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void WebServer::Stop() {
  _routes->server.stop();
  if (_thread.joinable()) _thread.join();
}

}  // namespace vok::web
