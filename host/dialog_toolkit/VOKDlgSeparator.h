// File: VOKDlgSeparator.h
// A horizontal rule.
#pragma once

#include "dialog_toolkit/VOKDialog.h"

class VOK_HOST_API VOKDlgSeparator : public VOKDialog {
 public:
  VOKDlgSeparator(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgSeparator() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgSeparator)
  const char* IsA() const override;
};
