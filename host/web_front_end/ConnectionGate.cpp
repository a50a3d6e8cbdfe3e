// File: ConnectionGate.cpp
#include "web_front_end/ConnectionGate.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace vok::web {
namespace {

using Clock = std::chrono::steady_clock;

void setBlocking(int socket, bool blocking) {
  const int flags = fcntl(socket, F_GETFL);
  fcntl(socket, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK);
}

// Until the nearest deadline, in whole milliseconds rounded up.
int pollTimeout(Clock::time_point nearest) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(nearest - Clock::now());
  return static_cast<int>(std::max<long long>(0, left.count()));
}

}  // namespace

std::size_t RequestHeadLength(std::string_view received) {
  // The blank line is the first "\n" that follows a "\n", an optional
  // "\r" between them.
  for (std::size_t at = received.find('\n'); at != std::string_view::npos;
       at = received.find('\n', at + 1)) {
    std::size_t next = at + 1;
    if (next < received.size() && received[next] == '\r') ++next;
    if (next < received.size() && received[next] == '\n') return next + 1;
  }
  return 0;
}

ConnectionGate::ConnectionGate(Admit admit, std::chrono::milliseconds headTime)
    : _admit(std::move(admit)), _headTime(headTime) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
    _wakeRead = ends[0];
    _wakeWrite = ends[1];
  }
  _thread = std::thread([this] { run(); });
}

ConnectionGate::~ConnectionGate() {
  {
    const std::lock_guard<std::mutex> lock(_mutex);
    _stopping = true;
  }
  wake();
  _thread.join();
  for (const int socket : _arrived) close(socket);
  for (const Waiting& waiting : _waiting) close(waiting.socket);
  close(_wakeRead);
  close(_wakeWrite);
}

void ConnectionGate::Enter(int socket) {
  {
    const std::lock_guard<std::mutex> lock(_mutex);
    _arrived.push_back(socket);
  }
  wake();
}

void ConnectionGate::wake() const {
  const char byte = 0;
  // A full pipe already holds a wake-up.
  [[maybe_unused]] const ssize_t written = write(_wakeWrite, &byte, 1);
}

void ConnectionGate::takeArrivals() {
  std::array<char, 64> drained;
  while (::read(_wakeRead, drained.data(), drained.size()) > 0) {
  }
  std::vector<int> arrived;
  {
    const std::lock_guard<std::mutex> lock(_mutex);
    arrived.swap(_arrived);
  }
  for (const int socket : arrived) {
    setBlocking(socket, false);
    _waiting.push_back({socket, {}, Clock::now() + _headTime});
  }
  while (_waiting.size() > kMaxWaitingConnections) {
    close(_waiting.front().socket);
    _waiting.erase(_waiting.begin());
  }
}

bool ConnectionGate::read(Waiting& waiting) {
  std::array<char, 4096> buffer;
  const std::size_t room = std::min(buffer.size(), kMaxRequestHead - waiting.received.size());
  const ssize_t got = recv(waiting.socket, buffer.data(), room, 0);
  if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return true;
  if (got <= 0) {
    close(waiting.socket);
    return false;
  }
  waiting.received.append(buffer.data(), static_cast<std::size_t>(got));
  if (RequestHeadLength(waiting.received) > 0) {
    setBlocking(waiting.socket, true);
    _admit(waiting.socket, std::move(waiting.received));
    return false;
  }
  if (waiting.received.size() < kMaxRequestHead) return true;
  close(waiting.socket);
  return false;
}

void ConnectionGate::run() {
  std::vector<pollfd> polled;
  for (;;) {
    {
      const std::lock_guard<std::mutex> lock(_mutex);
      if (_stopping) return;
    }
    takeArrivals();
    polled.assign(1, pollfd{_wakeRead, POLLIN, 0});
    Clock::time_point nearest = Clock::now() + std::chrono::hours(1);
    for (const Waiting& waiting : _waiting) {
      polled.push_back({waiting.socket, POLLIN, 0});
      nearest = std::min(nearest, waiting.deadline);
    }
    if (poll(polled.data(), polled.size(), pollTimeout(nearest)) < 0 && errno != EINTR) return;
    const Clock::time_point now = Clock::now();
    // polled[i + 1] is _waiting[i]'s socket.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < _waiting.size(); ++i) {
      Waiting& waiting = _waiting[i];
      bool stays = true;
      if (polled[i + 1].revents != 0) stays = read(waiting);
      if (stays && now >= waiting.deadline) {
        close(waiting.socket);
        stays = false;
      }
      if (!stays) continue;
      if (kept != i) _waiting[kept] = std::move(waiting);
      ++kept;
    }
    _waiting.resize(kept);
  }
}

}  // namespace vok::web
