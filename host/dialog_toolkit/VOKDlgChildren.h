// File: VOKDlgChildren.h
// The children of a widget, oldest first: a view over the sibling links
// the widgets themselves hold, valid while no child is added or removed.
#pragma once

#include <cstddef>
#include <iterator>

#include "base_runtime/HostExport.h"

class VOKDialog;

class VOK_HOST_API VOKDlgChildren {
 public:
  class VOK_HOST_API Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = VOKDialog*;
    using difference_type = std::ptrdiff_t;
    using pointer = VOKDialog* const*;
    using reference = VOKDialog* const&;

    Iterator() = default;
    explicit Iterator(VOKDialog* child) : _child(child) {}
    reference operator*() const { return _child; }
    Iterator& operator++();
    Iterator operator++(int);
    bool operator==(const Iterator& other) const { return _child == other._child; }
    bool operator!=(const Iterator& other) const { return _child != other._child; }

   private:
    VOKDialog* _child = nullptr;
  };

  VOKDlgChildren(VOKDialog* first, VOKDialog* last) : _first(first), _last(last) {}
  Iterator begin() const { return Iterator(_first); }
  Iterator end() const { return Iterator(); }
  bool empty() const { return _first == nullptr; }
  /// Counts by walking: the tree keeps no count it would have to update.
  std::size_t size() const;
  VOKDialog* front() const { return _first; }
  VOKDialog* back() const { return _last; }

 private:
  VOKDialog* _first;
  VOKDialog* _last;
};
