// File: ConnectionGate.h
// Internal to the web front end. Where a new connection waits, on one
// thread of the gate's own, until its whole request head (the request
// line and the headers, up to the blank line) has come in. Only then is
// it handed on to a worker, so a client that sends slowly, or not at all,
// holds no worker: it is closed when its head is not in by the deadline,
// or grows past kMaxRequestHead.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "web_front_end/WebFrontEndExport.h"

namespace vok::web {

// A head that has not ended within this many bytes is refused.
inline constexpr std::size_t kMaxRequestHead = 16 * 1024;
// At most this many connections wait at once; a newer one closes the one
// that has waited longest.
inline constexpr std::size_t kMaxWaitingConnections = 64;

// The length of the request head at the start of received, up to and with
// its blank line ("\r\n" or a bare "\n"); 0 while it has not ended.
VOK_WEB_FRONTEND_API std::size_t RequestHeadLength(std::string_view received);

class ConnectionGate {
 public:
  // Takes a connection whose head is complete: the socket (blocking again)
  // and everything read from it so far, the head and what followed.
  using Admit = std::function<void(int socket, std::string received)>;

  ConnectionGate(Admit admit, std::chrono::milliseconds headTime);
  // Closes the connections still waiting.
  ~ConnectionGate();
  ConnectionGate(const ConnectionGate&) = delete;
  ConnectionGate& operator=(const ConnectionGate&) = delete;

  // Takes the socket over; from any thread.
  void Enter(int socket);

 private:
  struct Waiting {
    int socket;
    std::string received;
    std::chrono::steady_clock::time_point deadline;
  };

  void run();
  void takeArrivals();
  // False once the connection is done with here (admitted or closed).
  bool read(Waiting& waiting);
  void wake() const;

  const Admit _admit;
  const std::chrono::milliseconds _headTime;
  int _wakeRead = -1;
  int _wakeWrite = -1;
  std::mutex _mutex;
  std::vector<int> _arrived;
  bool _stopping = false;
  std::vector<Waiting> _waiting;  // oldest first
  std::thread _thread;
};

}  // namespace vok::web
