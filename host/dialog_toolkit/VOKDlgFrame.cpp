// File: VOKDlgFrame.cpp
#include "dialog_toolkit/VOKDlgFrame.h"

#include "dialog_toolkit/VOKDlgClasses.h"

namespace {

int flagIn(const std::map<int, int>& flags, int index) {
  const auto found = flags.find(index);
  return found == flags.end() ? -1 : found->second;
}

}  // namespace

VOKDlgFrame::VOKDlgFrame(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDlgContainer(parent, name, style) {}

// The grid's resizable rows and columns are properties and follow.
VOKDlgFrame::VOKDlgFrame(const VOKDlgFrame& other) = default;

VOKDlgFrame& VOKDlgFrame::operator=(const VOKDlgFrame& other) = default;

VOKDlgFrame::~VOKDlgFrame() = default;

const char* VOKDlgFrame::IsA() const { return "VOKDlgFrame"; }

VOKMetaClass* VOKDlgFrame::MetaObject() {
  static VOKMetaClass* meta = VOKDlgClassMeta("VOKDlgFrame");
  return meta;
}

VOKMetaClass* VOKDlgFrame::GetMetaObject() const { return MetaObject(); }

int VOKDlgFrame::IsAKindOf(const char* name) const {
  const VOKMetaClass* meta = GetMetaObject();
  return meta != nullptr ? meta->IsAKindOf(name) : 0;
}

void VOKDlgFrame::SetGridColumnResizable(int column, int flag) { _resizableColumns[column] = flag; }

void VOKDlgFrame::SetGridRowResizable(int row, int flag) { _resizableRows[row] = flag; }

int VOKDlgFrame::GetGridColumnResizable(int column) const {
  return flagIn(_resizableColumns, column);
}

int VOKDlgFrame::GetGridRowResizable(int row) const { return flagIn(_resizableRows, row); }
