// File: VOKWebFrontEnd.cpp
// The web front end: the server on its threads, the session on this one.
#include "web_front_end/VOKWebFrontEnd.h"

#include <csignal>
#include <cstdio>
#include <random>

#include "front_end/session/VOKFrontEndSession.h"
#include "web_front_end/WebScreen.h"
#include "web_front_end/WebServer.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onSignal(int) { interrupted = 1; }

// Ctrl-C and SIGTERM end the session between events; a page that goes
// away while being written to does not end the program.
class Signals {
 public:
  Signals() {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, &_int);
    sigaction(SIGTERM, &action, &_term);
    action.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &action, &_pipe);
  }
  ~Signals() {
    sigaction(SIGINT, &_int, nullptr);
    sigaction(SIGTERM, &_term, nullptr);
    sigaction(SIGPIPE, &_pipe, nullptr);
  }
  Signals(const Signals&) = delete;
  Signals& operator=(const Signals&) = delete;

 private:
  struct sigaction _int {};
  struct sigaction _term {};
  struct sigaction _pipe {};
};

// 128 bits from the system's random source, in hex.
std::string newToken() {
  std::random_device random;
  std::string token;
  for (int i = 0; i < 4; ++i) {
    char part[9];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(random()));
    token += part;
  }
  return token;
}

}  // namespace

int VOKWebFrontEnd::Run(VOKDlgWindow& root, int port,
                        const std::function<void(const std::string& address)>& ready,
                        std::string& problem) {
  return Run(root, port, ready, problem, {});
}

int VOKWebFrontEnd::Run(VOKDlgWindow& root, int port,
                        const std::function<void(const std::string& address)>& ready,
                        std::string& problem,
                        const std::function<void(const std::string& line)>& recorder) {
  std::string folder;
  std::optional<vok::web::PageFiles> files = vok::web::LoadPageFiles(folder);
  if (!files) {
    problem = "cannot read the web page's files in \"" + folder + "\"";
    return 1;
  }
  const Signals signals;
  vok::web::WebScreen screen({kColumns, kLines}, [] { return interrupted != 0; });
  const std::string token = newToken();
  vok::web::WebServer server(screen, std::move(*files), token);
  const int bound = server.Bind(port);
  if (bound < 0) {
    problem = "cannot listen on 127.0.0.1 port " + std::to_string(port);
    return 1;
  }
  server.Start();
  ready("http://127.0.0.1:" + std::to_string(bound) + "/?token=" + token);
  {
    VOKFrontEndSession session(root, screen);
    session.SetRecorder(recorder);
    session.Run();
  }
  screen.End();
  server.Stop();
  return 0;
}

int VOKWebFrontEndRun(VOKDlgWindow& root, int port,
                      const std::function<void(const std::string& address)>& ready,
                      std::string& problem,
                      const std::function<void(const std::string& line)>& recorder) {
  return VOKWebFrontEnd::Run(root, port, ready, problem, recorder);
}
