// File: VOKDlgSeparator.h
// A horizontal rule.
#pragma once

#include "dialog_toolkit/VOKDialog.h"

/// A line separating parts of a window.
class VOK_HOST_API VOKDlgSeparator : public VOKDialog {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgSeparator(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgSeparator() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgSeparator)
  const char* IsA() const override;
};
