// File: ServedDemo.cpp
#include "ServedDemo.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <regex>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace vok_test {
namespace {

using Clock = std::chrono::steady_clock;

// The first line the program prints carries the address.
std::string firstLine(int from) {
  std::string line;
  char c;
  while (read(from, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

std::vector<std::string> demoEnvironment() {
  std::vector<std::string> variables{"VOK_CATALOG_PATH=" VOK_CATALOG_DIR, "LANG=en_US.UTF-8",
                                     "LC_ALL=en_US.UTF-8"};
  for (char** variable = environ; *variable; ++variable) {
    const std::string text = *variable;
    if (text.rfind("VOK_CATALOG_PATH=", 0) != 0 && text.rfind("LANG=", 0) != 0 &&
        text.rfind("LC_ALL=", 0) != 0)
      variables.push_back(text);
  }
  return variables;
}

// What posix_spawn takes for a list of texts.
std::vector<char*> nullTerminated(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ServedDemo::ServedDemo() {
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("no pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<std::string> arguments{VOK_DEMO_PATH, "--web", "--today", "2025-06-15"};
  std::vector<std::string> variables = demoEnvironment();
  std::vector<char*> argv = nullTerminated(arguments);
  std::vector<char*> envp = nullTerminated(variables);
  const int spawned =
      posix_spawn(&_pid, VOK_DEMO_PATH, &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  const std::string line = spawned == 0 ? firstLine(out[0]) : "";
  close(out[0]);
  std::smatch found;
  if (!std::regex_search(line, found, std::regex(R"(127\.0\.0\.1:(\d+)/\?token=([0-9a-f]+))")))
    throw std::runtime_error("vok_demo printed no address: " + line);
  _port = std::stoi(found[1]);
  _token = found[2];
}

ServedDemo::~ServedDemo() {
  if (_reaped) return;
  kill(_pid, SIGKILL);
  waitpid(_pid, nullptr, 0);
}

std::string ServedDemo::Host() const { return "127.0.0.1:" + std::to_string(_port); }

std::string ServedDemo::Origin() const { return "http://" + Host(); }

long ServedDemo::PeakKilobytes() const {
  std::ifstream status("/proc/" + std::to_string(_pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

bool ServedDemo::Running() const { return !_reaped && waitpid(_pid, nullptr, WNOHANG) == 0; }

std::optional<int> ServedDemo::Interrupt() {
  kill(_pid, SIGINT);
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
  int status = 0;
  while (waitpid(_pid, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  _reaped = true;
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

Connection::Connection(int port, std::chrono::milliseconds limit) {
  _socket = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
    throw std::runtime_error("cannot connect to port " + std::to_string(port));
  const timeval wait{static_cast<time_t>(limit.count() / 1000),
                     static_cast<suseconds_t>(limit.count() % 1000 * 1000)};
  setsockopt(_socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  setsockopt(_socket, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
}

Connection::~Connection() { close(_socket); }

bool Connection::Send(const std::string& bytes) {
  return send(_socket, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
         static_cast<ssize_t>(bytes.size());
}

std::string Connection::ReadUntil(const std::string& text) {
  std::string got;
  char buffer[4096];
  while (text.empty() || got.find(text) == std::string::npos) {
    const ssize_t count = recv(_socket, buffer, sizeof buffer, 0);
    if (count <= 0) break;
    got.append(buffer, static_cast<std::size_t>(count));
  }
  return got;
}

std::string Connection::ReadToEnd() { return ReadUntil(""); }

bool Connection::ClosedByPeer() {
  char byte;
  return recv(_socket, &byte, 1, 0) == 0;
}

std::string Exchange(int port, const std::string& request, std::chrono::milliseconds limit) {
  Connection connection(port, limit);
  connection.Send(request);
  return connection.ReadToEnd();
}

int StatusOf(const std::string& answer) {
  std::smatch found;
  if (!std::regex_search(answer, found, std::regex(R"(^HTTP/1\.1 (\d{3}) )"))) return 0;
  return std::stoi(found[1]);
}

std::string HeaderOf(const std::string& answer, const std::string& name) {
  const std::string head = answer.substr(0, answer.find("\r\n\r\n"));
  const std::string mark = "\r\n" + name + ": ";
  const std::size_t at = head.find(mark);
  if (at == std::string::npos) return "";
  const std::size_t from = at + mark.size();
  return head.substr(from, head.find("\r\n", from) - from);
}

}  // namespace vok_test
