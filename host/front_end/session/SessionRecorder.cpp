// File: SessionRecorder.cpp
// The optional recorder of the actions a person takes.
#include <utility>

#include "front_end/session/Session.h"
#include "front_end/session/VOKFrontEndSession.h"

namespace vok::session {

void Session::SetRecorder(std::function<void(const std::string&)> recorder) {
  _recorder = std::move(recorder);
}

void Session::record(const std::string& line) const {
  if (_recorder) _recorder(line);
}

}  // namespace vok::session

void VOKFrontEndSession::SetRecorder(std::function<void(const std::string& line)> recorder) {
  _session->SetRecorder(std::move(recorder));
}
