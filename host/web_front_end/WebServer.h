// File: WebServer.h
// Internal to the web front end. The HTTP server on the loopback
// interface, on threads of its own:
//   GET  /          the page (the token written into its links)
//   GET  /page.js, /page.css
//   GET  /events    the event stream: "hello" with the stream's number,
//                   then a "view", and a "patch" of what changed for
//                   every change (a "view" again when the stream missed
//                   one), "end" when the session is over or another page
//                   took it
//   POST /event     one PageMessage; 400 with {"error"} when it is bad,
//                   409 when another page took the session, 410 when
//                   the session is over
// Only requests whose Host is 127.0.0.1:PORT or localhost:PORT are
// answered (else 421); every one carries ?token=... once (else 403); a
// POST /event carries the page's own Origin (else 403). Nothing else is
// served. Connections wait for their request head in a ConnectionGate,
// one request each; bodies are bounded while read, and refused on GETs.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "web_front_end/PageFiles.h"
#include "web_front_end/WebScreen.h"

namespace vok::web {

class WebServer {
 public:
  WebServer(WebScreen& screen, PageFiles files, std::string token);
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  // Binds 127.0.0.1 at the port (0: a free one); the port, or -1.
  int Bind(int port);
  // Serves on a thread of its own until Stop; returns once it listens.
  void Start();
  // Once the screen has ended: lets the open event streams send their
  // end (for 2 s at most), then stops serving.
  void Stop();

 private:
  struct Routes;
  std::unique_ptr<Routes> _routes;
  std::thread _thread;
  std::atomic<bool> _listenReturned{false};
};

}  // namespace vok::web
