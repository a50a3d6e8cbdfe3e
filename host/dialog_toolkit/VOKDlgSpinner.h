// File: VOKDlgSpinner.h
// A number field with up and down arrows. The spinner never steps by
// itself: an arrow press sends the step notification while the text still
// holds the old value, and the handler decides what the new value is.
#pragma once

#include <string>

#include "dialog_toolkit/VOKDialog.h"

/// A number field with up and down buttons; with the Editable style the person
/// may type into it. Stepping only notifies: the owner sets the new text.
class VOK_HOST_API VOKDlgSpinner : public VOKDialog {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgSpinner(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgSpinner() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgSpinner)
  const char* IsA() const override;

  /// The range and step of the values; flag is kept but has no effect here.
  void SetRange(float minimum, float maximum, float steps, int flag);
  /// The lowest value.
  float GetMinimum() const { return _minimum; }
  /// The highest value.
  float GetMaximum() const { return _maximum; }
  /// The step.
  float GetSteps() const { return _steps; }

  /// printf format of one numeric conversion used by SetCurrentValue;
  /// a format of any other kind is refused (the old one stays).
  void SetFormat(const char* format);
  /// The format SetCurrentValue uses.
  const std::string& GetFormat() const { return _format; }
  /// The field's width in characters.
  void SetVisibleTextWidth(int characters);
  /// The field's width in characters.
  int GetVisibleTextWidth() const { return _textWidth; }

  /// Writes the value with the format into the text.
  void SetCurrentValue(float value, int flag);
  /// Sets the text; flag is kept but has no effect here; sends nothing.
  void SetCurrentText(const VOKUnicodeString& text, int flag);
  /// The text.
  VOKUnicodeString GetCurrentText() const { return _text; }

  /// Sent when the person presses the up button.
  VOKNotification* GetSpinnerBtnUpNotification() { return &_upNotification; }
  /// Sent when the person presses the down button.
  VOKNotification* GetSpinnerBtnDownNotification() { return &_downNotification; }
  /// Sent when the person types.
  VOKNotification* GetSpinnerModifyNotification() { return &_modifyNotification; }

 private:
  float _minimum = 0;
  float _maximum = 0;
  float _steps = 0;
  std::string _format = "%g";
  int _textWidth = 0;
  VOKUnicodeString _text;
  VOKNotification _upNotification{"VOKDlgSpinnerBtnUpNotification"};
  VOKNotification _downNotification{"VOKDlgSpinnerBtnDownNotification"};
  VOKNotification _modifyNotification{"VOKDlgSpinnerModifyNotification"};
};
