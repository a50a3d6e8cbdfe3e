// File: VOKDlgSpinner.h
// A number field with up and down arrows. The spinner never steps by
// itself: an arrow press sends the step notification while the text still
// holds the old value, and the handler decides what the new value is.
#pragma once

#include <string>

#include "dialog_toolkit/VOKDialog.h"

class VOK_HOST_API VOKDlgSpinner : public VOKDialog {
 public:
  VOKDlgSpinner(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgSpinner() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgSpinner)
  const char* IsA() const override;

  void SetRange(float minimum, float maximum, float steps, int flag);
  float GetMinimum() const { return _minimum; }
  float GetMaximum() const { return _maximum; }
  float GetSteps() const { return _steps; }

  /// printf format of one numeric conversion used by SetCurrentValue;
  /// a format of any other kind is refused (the old one stays).
  void SetFormat(const char* format);
  const std::string& GetFormat() const { return _format; }
  void SetVisibleTextWidth(int characters);
  int GetVisibleTextWidth() const { return _textWidth; }

  /// Writes the value with the format into the text.
  void SetCurrentValue(float value, int flag);
  void SetCurrentText(const VOKUnicodeString& text, int flag);
  VOKUnicodeString GetCurrentText() const { return _text; }

  VOKNotification* GetSpinnerBtnUpNotification() { return &_upNotification; }
  VOKNotification* GetSpinnerBtnDownNotification() { return &_downNotification; }
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
