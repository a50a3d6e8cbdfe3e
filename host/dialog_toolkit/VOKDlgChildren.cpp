// File: VOKDlgChildren.cpp
// Walking the sibling links.
#include "dialog_toolkit/VOKDlgChildren.h"

#include "dialog_toolkit/VOKDialog.h"

VOKDlgChildren::Iterator& VOKDlgChildren::Iterator::operator++() {
  _child = _child->GetNextSibling();
  return *this;
}

VOKDlgChildren::Iterator VOKDlgChildren::Iterator::operator++(int) {
  Iterator before = *this;
  ++*this;
  return before;
}

std::size_t VOKDlgChildren::size() const {
  return static_cast<std::size_t>(std::distance(begin(), end()));
}
