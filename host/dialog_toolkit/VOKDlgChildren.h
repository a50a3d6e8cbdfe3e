// File: VOKDlgChildren.h
// The children of a widget, oldest first: a view over the sibling links
// the widgets themselves hold, valid while no child is added or removed.
#pragma once

#include <cstddef>
#include <iterator>

#include "base_runtime/HostExport.h"

class VOKDialog;

/// The children of a widget, oldest first (see the notes above).
class VOK_HOST_API VOKDlgChildren {
 public:
  /// Walks the children, oldest first.
  class VOK_HOST_API Iterator {
   public:
    /// A forward iterator.
    using iterator_category = std::forward_iterator_tag;
    /// A child.
    using value_type = VOKDialog*;
    /// Distance type.
    using difference_type = std::ptrdiff_t;
    /// Pointer to a child pointer.
    using pointer = VOKDialog* const*;
    /// Reference to a child pointer.
    using reference = VOKDialog* const&;

    /// The end.
    Iterator() = default;
    /// At child.
    explicit Iterator(VOKDialog* child) : _child(child) {}
    /// The child.
    reference operator*() const { return _child; }
    /// The next younger child.
    Iterator& operator++();
    /// The next younger child; returns the old position.
    Iterator operator++(int);
    /// Same position.
    bool operator==(const Iterator& other) const { return _child == other._child; }
    /// Different positions.
    bool operator!=(const Iterator& other) const { return _child != other._child; }

   private:
    VOKDialog* _child = nullptr;
  };

  /// The children from first to last.
  VOKDlgChildren(VOKDialog* first, VOKDialog* last) : _first(first), _last(last) {}
  /// The oldest child.
  Iterator begin() const { return Iterator(_first); }
  /// Past the youngest child.
  Iterator end() const { return Iterator(); }
  /// True when there is no child.
  bool empty() const { return _first == nullptr; }
  /// Counts by walking: the tree keeps no count it would have to update.
  std::size_t size() const;
  /// The oldest child, or null.
  VOKDialog* front() const { return _first; }
  /// The youngest child, or null.
  VOKDialog* back() const { return _last; }

 private:
  VOKDialog* _first;
  VOKDialog* _last;
};
