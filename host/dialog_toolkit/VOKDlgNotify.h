// File: VOKDlgNotify.h
// A modal message box. DisplayBlocked returns when the box is answered.
// Headless, the box is answered by a replaceable responder: the default
// writes "<title>: <message>" to stderr and answers at once; tests record
// what was shown; a front end runs its own loop until the user answers.
#pragma once

#include <functional>

#include "dialog_toolkit/VOKDlgWindow.h"

/// A blocking message box. A responder answers it: by default it writes title
/// and message to stderr and answers at once; tests and front ends set their
/// own.
class VOK_HOST_API VOKDlgNotify : public VOKDlgWindow {
 public:
  /// Answers the box; returns the answer DisplayBlocked gives back.
  using Responder = std::function<int(VOKDlgNotify& box, const VOKUnicodeString& message,
                                      const VOKUnicodeString& title)>;

  /// A hidden box named name under parent with the style bits of VOKDlgStyle
  /// (ErrorBox, ...).
  VOKDlgNotify(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgNotify() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgNotify)
  const char* IsA() const override;

  /// Shows the box (its title and message are set), waits for the answer,
  /// hides it again. Runs inside a dispatch, so destructions requested
  /// meanwhile wait until it has returned.
  int DisplayBlocked(const VOKUnicodeString& message, const VOKUnicodeString& title);
  /// The message last shown.
  const VOKUnicodeString& GetMessage() const { return _message; }

  /// Replaces the responder; an empty one restores the default. Returns the
  /// previous one.
  static Responder SetResponder(Responder responder);

 private:
  VOKUnicodeString _message;
};
