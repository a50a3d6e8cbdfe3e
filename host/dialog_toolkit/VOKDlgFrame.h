// File: VOKDlgFrame.h
// A container. With the GridLayout style bit its children are placed on a
// grid (resizable rows and columns take the spare room); otherwise by
// tabulation attachments.
#pragma once

#include <map>

#include "base_runtime/VOKMetaClass.h"
#include "dialog_toolkit/VOKDlgContainer.h"

class VOK_HOST_API VOKDlgFrame : public VOKDlgContainer {
 public:
  VOKDlgFrame(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  VOKDlgFrame(const VOKDlgFrame& other);
  VOKDlgFrame& operator=(const VOKDlgFrame& other);
  ~VOKDlgFrame() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgFrame)
  const char* IsA() const override;
  VOKMetaClass* GetMetaObject() const override;
  int IsAKindOf(const char* name) const override;
  /// The frame class's run-time descriptor ("VOKDlgFrame", based on
  /// "VOKDialog", "VOKCommand", "VOKBaseUnknown").
  static VOKMetaClass* MetaObject();

  void SetGridColumnResizable(int column, int flag);
  void SetGridRowResizable(int row, int flag);
  /// -1 when never set, else the flag given.
  int GetGridColumnResizable(int column) const;
  int GetGridRowResizable(int row) const;

 private:
  std::map<int, int> _resizableColumns;
  std::map<int, int> _resizableRows;
};
