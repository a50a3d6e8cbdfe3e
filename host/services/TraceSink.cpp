// File: TraceSink.cpp
#include "services/TraceSink.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <utility>

#include "base_runtime/HostContext.h"

namespace vok::services {
namespace {

std::optional<std::string> TraceFileSetting() {
  const char* path = std::getenv("VOK_TRACE_FILE");
  if (path == nullptr || *path == '\0') return std::nullopt;
  return std::string(path);
}

struct Sink : HostContext::LayerState {
  std::map<std::string, std::vector<std::string>, std::less<>> captures;
  std::optional<std::string> filePath = TraceFileSetting();
  std::ofstream file;
  bool fileFailed = false;
  long emitted = 0;
};

// The current host context's; the process context's is never destroyed, so
// records may be written while libraries unload.
Sink& TheSink() { return HostContext::Current().LayerSlot<Sink>(HostContext::Layer::Services); }

void WriteToStderr(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

// Opens the file on the first record; a file that cannot be opened is
// reported once and the records fall back to stderr.
bool FileReady(Sink& sink) {
  if (!sink.filePath || sink.fileFailed) return false;
  if (sink.file.is_open()) return true;
  sink.file.open(*sink.filePath, std::ios::out | std::ios::app | std::ios::binary);
  if (sink.file.is_open()) return true;
  sink.fileFailed = true;
  const std::string reason = std::strerror(errno);
  WriteToStderr("ImmersiveUITrace: cannot open the trace file \"" + *sink.filePath +
                "\" named by VOK_TRACE_FILE (" + reason + "); trace records go to stderr.\n");
  return false;
}

void WriteLine(Sink& sink, const std::string& line) {
  if (FileReady(sink)) {
    sink.file << line;
    sink.file.flush();
  } else {
    WriteToStderr(line);
  }
}

}  // namespace

void EmitTraceRecord(const std::string& className, const std::string& record) {
  Sink& sink = TheSink();
  ++sink.emitted;
  const auto capture = sink.captures.find(className);
  if (capture != sink.captures.end()) {
    capture->second.push_back(record);
  } else {
    WriteLine(sink, className + ": " + record + "\n");
  }
}

long TraceRecordsEmitted() { return TheSink().emitted; }

void StartTraceCapture(const std::string& className) { TheSink().captures.try_emplace(className); }

std::vector<std::string> TakeTraceCapture(const std::string& className) {
  Sink& sink = TheSink();
  const auto capture = sink.captures.find(className);
  if (capture == sink.captures.end()) return {};
  return std::exchange(capture->second, {});
}

void StopTraceCapture(const std::string& className) { TheSink().captures.erase(className); }

void ReadTraceFileSetting() {
  Sink& sink = TheSink();
  sink.file.close();
  sink.file.clear();
  sink.fileFailed = false;
  sink.filePath = TraceFileSetting();
}

}  // namespace vok::services
