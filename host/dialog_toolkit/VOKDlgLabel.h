// File: VOKDlgLabel.h
// A text label; its text is the title.
#pragma once

#include "dialog_toolkit/VOKDialog.h"

/// A text label; its title is the text it shows.
class VOK_HOST_API VOKDlgLabel : public VOKDialog {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgLabel(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgLabel() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgLabel)
  const char* IsA() const override;
};
