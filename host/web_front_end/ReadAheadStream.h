// File: ReadAheadStream.h
// Internal to the web front end. A connection's socket as cpp-httplib
// reads and writes it, once the connection gate has read its request head:
// what the gate read comes first, then the socket itself. Every wait for
// the socket is bounded by the timeouts given.
#pragma once

#include <httplib.h>

#include <chrono>
#include <string>

namespace vok::web {

class ReadAheadStream : public httplib::Stream {
 public:
  ReadAheadStream(int socket, std::string readAhead, std::chrono::milliseconds readTime,
                  std::chrono::milliseconds writeTime);

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* into, size_t size) override;
  ssize_t write(const char* from, size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  int socket() const override;

 private:
  const int _socket;
  const std::string _readAhead;
  std::size_t _taken = 0;  // of _readAhead
  const std::chrono::milliseconds _readTime;
  const std::chrono::milliseconds _writeTime;
};

}  // namespace vok::web
