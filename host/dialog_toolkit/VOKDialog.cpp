// File: VOKDialog.cpp
// The widget tree and the properties every widget has.
#include "dialog_toolkit/VOKDialog.h"

#include <cstring>

#include "dialog_toolkit/VOKDlgClasses.h"
#include "dialog_toolkit/VOKDlgWindow.h"

// Properties few widgets set; allocated on first use.
struct VOKDialog::Extras {
  VOKUnicodeString shortHelp;
  VOKString icons[4];  // normal, selected, focused, greyed
  int iconFlag = 0;
};

VOKDialog::VOKDialog(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : _parent(parent), _name(name), _style(style) {
  linkToParent();
}

VOKDialog::VOKDialog(const VOKDialog& other)
    : VOKCommand(other),
      _parent(other._parent),
      _name(other._name),
      _style(other._style),
      _title(other._title),
      _visibility(other._visibility),
      _sensitivity(other._sensitivity),
      _hasGrid(other._hasGrid),
      _grid(other._grid),
      _extras(other._extras ? std::make_unique<Extras>(*other._extras) : nullptr) {
  linkToParent();
}

VOKDialog& VOKDialog::operator=(const VOKDialog& other) {
  if (this == &other) return *this;
  VOKCommand::operator=(other);
  _title = other._title;
  _visibility = other._visibility;
  _sensitivity = other._sensitivity;
  _hasGrid = other._hasGrid;
  _grid = other._grid;
  _extras = other._extras ? std::make_unique<Extras>(*other._extras) : nullptr;
  return *this;
}

VOKDialog::~VOKDialog() {
  if (_parent != nullptr) _parent->ForgetChild(this);
  _parent = nullptr;
  destroyChildren();
}

// The newest child of its parent.
void VOKDialog::linkToParent() {
  if (_parent == nullptr) return;
  _previousSibling = _parent->_lastChild;
  (_previousSibling != nullptr ? _previousSibling->_nextSibling : _parent->_firstChild) = this;
  _parent->_lastChild = this;
}

// Youngest first. A child the toolkit did not allocate (one on the stack)
// is only detached: its owner destroys it.
void VOKDialog::destroyChildren() {
  while (_lastChild != nullptr) {
    VOKDialog* child = _lastChild;
    if (child->IsHostAllocated()) {
      delete child;  // its destructor calls ForgetChild
    } else {
      ForgetChild(child);
      child->_parent = child->_previousSibling = child->_nextSibling = nullptr;
    }
  }
}

void VOKDialog::ForgetChild(const VOKDialog* child) {
  VOKDialog* previous = child->_previousSibling;
  VOKDialog* next = child->_nextSibling;
  (previous != nullptr ? previous->_nextSibling : _firstChild) = next;
  (next != nullptr ? next->_previousSibling : _lastChild) = previous;
}

const char* VOKDialog::IsA() const { return "VOKDialog"; }

VOKMetaClass* VOKDialog::GetMetaObject() const {
  VOKMetaClass* meta = VOKDlgClassMeta(IsA());
  return meta != nullptr ? meta : VOKDlgClassMeta("VOKDialog");
}

VOKDialog* VOKDialog::GetChild(const char* name) const {
  for (VOKDialog* child = _firstChild; child != nullptr; child = child->_nextSibling) {
    if (child->_name == name) return child;
  }
  return nullptr;
}

VOKDialog* VOKDialog::FindDescendant(const char* name) const {
  for (VOKDialog* child = _firstChild; child != nullptr; child = child->_nextSibling) {
    if (child->_name == name) return child;
    if (VOKDialog* found = child->FindDescendant(name)) return found;
  }
  return nullptr;
}

VOKDlgWindow* VOKDialog::GetWindow() {
  for (VOKDialog* widget = this; widget != nullptr; widget = widget->_parent) {
    if (widget->_isWindow) return static_cast<VOKDlgWindow*>(widget);
  }
  return nullptr;
}

VOKString VOKDialog::GetResourceFilename(int level) const {
  return level <= 0 ? VOKString(IsA()) : VOKString("");
}

void VOKDialog::SetVisibility(int visibility) { _visibility = visibility; }

void VOKDialog::SetSensitivity(int sensitivity) { _sensitivity = sensitivity; }

bool VOKDialog::IsReachable() const {
  for (const VOKDialog* widget = this; widget != nullptr; widget = widget->_parent) {
    if (widget->_visibility != VOKDlgVisibility::Shown) return false;
    if (widget->_sensitivity != VOKDlgSensitivity::Usable) return false;
    if (widget->_isWindow) return true;
  }
  return true;
}

void VOKDialog::SetTitle(const VOKUnicodeString& title) { _title = title; }

VOKDialog::Extras& VOKDialog::extras() {
  if (!_extras) _extras = std::make_unique<Extras>();
  return *_extras;
}

void VOKDialog::SetShortHelp(const VOKUnicodeString& help) { extras().shortHelp = help; }

VOKUnicodeString VOKDialog::GetShortHelp() const {
  return _extras ? _extras->shortHelp : VOKUnicodeString();
}

void VOKDialog::SetIconName(const VOKString& normal, const VOKString& selected,
                            const VOKString& focused, const VOKString& greyed, int flag) {
  Extras& more = extras();
  more.icons[0] = normal;
  more.icons[1] = selected;
  more.icons[2] = focused;
  more.icons[3] = greyed;
  more.iconFlag = flag;
}

VOKString VOKDialog::GetIconName() const { return _extras ? _extras->icons[0] : VOKString(); }

void VOKDialog::SetGridConstraints(int row, int column, int rowSpan, int columnSpan,
                                   int justification) {
  SetGridConstraints(VOKDlgGridConstraints{row, column, rowSpan, columnSpan, justification});
}

void VOKDialog::SetGridConstraints(const VOKDlgGridConstraints& constraints) {
  _grid = constraints;
  _hasGrid = true;
}

const VOKDlgGridConstraints* VOKDialog::GetGridConstraints() const {
  return _hasGrid ? &_grid : nullptr;
}
