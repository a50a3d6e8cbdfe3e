// File: ServedDemo.h
// vok_demo --web as a test drives it from outside: a process of its own
// serving on loopback, and plain sockets that send it exactly the bytes
// a browser, curl or an attacker would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

namespace vok_test {

// The program, started in English with its address read from its output;
// interrupted and waited for when the test is done with it.
class ServedDemo {
 public:
  ServedDemo();
  ~ServedDemo();
  ServedDemo(const ServedDemo&) = delete;
  ServedDemo& operator=(const ServedDemo&) = delete;

  int Port() const { return _port; }
  const std::string& Token() const { return _token; }
  // "127.0.0.1:PORT", the Host a browser sends for the printed address.
  std::string Host() const;
  // "http://127.0.0.1:PORT", the page's own origin.
  std::string Origin() const;
  // The highest resident set so far, in kB (VmHWM).
  long PeakKilobytes() const;
  bool Running() const;
  // SIGINT, then the exit status (nullopt: killed, or still running after 10 s).
  std::optional<int> Interrupt();

 private:
  pid_t _pid = -1;
  bool _reaped = false;
  int _port = 0;
  std::string _token;
};

// A connection to the program, with every wait bounded by the limit.
class Connection {
 public:
  Connection(int port, std::chrono::milliseconds limit);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // False once the program no longer takes what is sent.
  bool Send(const std::string& bytes);
  // What comes until the program closes the connection or the limit is
  // up, whichever is first.
  std::string ReadToEnd();
  // What comes until text has come (and the rest of that read).
  std::string ReadUntil(const std::string& text);
  // Whether the program closed the connection within the limit.
  bool ClosedByPeer();
  int Socket() const { return _socket; }

 private:
  int _socket = -1;
};

// The whole answer to one request sent on a fresh connection.
std::string Exchange(int port, const std::string& request,
                     std::chrono::milliseconds limit = std::chrono::seconds(2));
// The answer's status code, or 0 when there is no status line.
int StatusOf(const std::string& answer);
// The value of the answer's header with that name, "" when absent.
std::string HeaderOf(const std::string& answer, const std::string& name);

}  // namespace vok_test
