// File: ReadAheadStream.cpp
#include "web_front_end/ReadAheadStream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstring>

namespace vok::web {
namespace {

bool ready(int socket, short events, std::chrono::milliseconds within) {
  pollfd polled{socket, events, 0};
  return poll(&polled, 1, static_cast<int>(within.count())) > 0;
}

// The address getpeername or getsockname gives, as text, and its port.
void describe(int socket, int (*name)(int, sockaddr*, socklen_t*), std::string& ip, int& port) {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (name(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return;
  char text[INET6_ADDRSTRLEN] = "";
  if (address.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    port = ntohs(v6.sin6_port);
  }
  ip = text;
}

}  // namespace

ReadAheadStream::ReadAheadStream(int socket, std::string readAhead,
                                 std::chrono::milliseconds readTime,
                                 std::chrono::milliseconds writeTime)
    : _socket(socket),
      _readAhead(std::move(readAhead)),
      _readTime(readTime),
      _writeTime(writeTime) {}

bool ReadAheadStream::is_readable() const {
  return _taken < _readAhead.size() || ready(_socket, POLLIN, _readTime);
}

bool ReadAheadStream::is_writable() const { return ready(_socket, POLLOUT, _writeTime); }

ssize_t ReadAheadStream::read(char* into, size_t size) {
  if (_taken < _readAhead.size()) {
    const std::size_t count = std::min(size, _readAhead.size() - _taken);
    std::memcpy(into, _readAhead.data() + _taken, count);
    _taken += count;
    return static_cast<ssize_t>(count);
  }
  if (!is_readable()) return -1;
  return recv(_socket, into, size, 0);
}

ssize_t ReadAheadStream::write(const char* from, size_t size) {
  if (!is_writable()) return -1;
  // A page that went away is a failed write, not a SIGPIPE.
  return send(_socket, from, size, MSG_NOSIGNAL);
}

void ReadAheadStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  describe(_socket, getpeername, ip, port);
}

void ReadAheadStream::get_local_ip_and_port(std::string& ip, int& port) const {
  describe(_socket, getsockname, ip, port);
}

int ReadAheadStream::socket() const { return _socket; }

}  // namespace vok::web
