// File: VOKDlgNotify.cpp
// The modal message box and its headless responder.
#include "dialog_toolkit/VOKDlgNotify.h"

#include <iostream>
#include <utility>

#include "base_runtime/HostContext.h"
#include "command_framework/VOKDestructionQueue.h"

namespace {

int answerOnStderr(VOKDlgNotify&, const VOKUnicodeString& message, const VOKUnicodeString& title) {
  std::cerr << title << ": " << message << '\n';
  return 1;
}

// The toolkit's state in a host context.
struct ToolkitState : vok::HostContext::LayerState {
  VOKDlgNotify::Responder responder = answerOnStderr;
};

VOKDlgNotify::Responder& responder() {
  return vok::HostContext::Current()
      .LayerSlot<ToolkitState>(vok::HostContext::Layer::Toolkit)
      .responder;
}

}  // namespace

VOKDlgNotify::VOKDlgNotify(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDlgWindow(parent, name, style) {}

VOKDlgNotify::~VOKDlgNotify() = default;

const char* VOKDlgNotify::IsA() const { return "VOKDlgNotify"; }

int VOKDlgNotify::DisplayBlocked(const VOKUnicodeString& message, const VOKUnicodeString& title) {
  int answer = 0;
  {
    // Destructions requested while the box waits (this box's own among
    // them) run when the scope closes, after the box is hidden again.
    VOKDispatchScope waiting;
    SetTitle(title);
    _message = message;
    SetVisibility(VOKDlgVisibility::Shown);
    const Responder answerBox = responder();
    answer = answerBox(*this, message, title);
    SetVisibility(VOKDlgVisibility::Hidden);
  }
  return answer;
}

VOKDlgNotify::Responder VOKDlgNotify::SetResponder(Responder replacement) {
  if (!replacement) replacement = answerOnStderr;
  return std::exchange(responder(), std::move(replacement));
}
