// File: VOKDlgFrame.h
// A container. With the GridLayout style bit its children are placed on a
// grid (resizable rows and columns take the spare room); otherwise by
// tabulation attachments.
#pragma once

#include <map>

#include "base_runtime/VOKMetaClass.h"
#include "dialog_toolkit/VOKDlgContainer.h"

/// A frame grouping widgets, laid out in a grid (VOKDlgStyle::GridLayout) or by
/// tabulation lines.
class VOK_HOST_API VOKDlgFrame : public VOKDlgContainer {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgFrame(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  /// A copy without children, with the same resizable rows and columns.
  VOKDlgFrame(const VOKDlgFrame& other);
  /// Copies the properties and the resizable rows and columns.
  VOKDlgFrame& operator=(const VOKDlgFrame& other);
  ~VOKDlgFrame() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgFrame)
  const char* IsA() const override;
  VOKMetaClass* GetMetaObject() const override;
  int IsAKindOf(const char* name) const override;
  /// The frame class's run-time descriptor ("VOKDlgFrame", based on
  /// "VOKDialog", "VOKCommand", "VOKBaseUnknown").
  static VOKMetaClass* MetaObject();

  /// flag non-zero: the column takes spare width.
  void SetGridColumnResizable(int column, int flag);
  /// flag non-zero: the row takes spare height.
  void SetGridRowResizable(int row, int flag);
  /// -1 when never set, else the flag given.
  int GetGridColumnResizable(int column) const;
  /// -1 when never set, else the flag given.
  int GetGridRowResizable(int row) const;

 private:
  std::map<int, int> _resizableColumns;
  std::map<int, int> _resizableRows;
};
