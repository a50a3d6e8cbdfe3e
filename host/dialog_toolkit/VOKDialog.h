// File: VOKDialog.h
// Root of the widget tree. A dialog object is created under a parent (null:
// detached) with a name and a style word; the parent owns it and destroys it
// with itself. Destroying a child directly detaches it from its parent.
// Every setter stores what it is given and has a matching getter; setters
// never send notifications (only the user actions of VOKDlgUser do).
// A widget starts shown and usable; a window (VOKDlgWindow) starts hidden.
#pragma once

#include <cstdint>
#include <memory>

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKString.h"
#include "base_runtime/VOKUnicodeString.h"
#include "command_framework/VOKCommand.h"
#include "dialog_toolkit/VOKDlgChildren.h"
#include "dialog_toolkit/VOKDlgGridConstraints.h"
#include "dialog_toolkit/VOKDlgStyle.h"

/// A widget of the toolkit's tree: it has a parent, a name, a style and
/// children, a title, visibility and sensitivity, and a place in its parent's
/// grid.
/// Ownership: a widget made with new under a parent belongs to that parent and
/// is deleted with it; deleting a widget deletes its children (those on the
/// stack are only detached). A window that is released
/// (RequestDelayedDestruction) is deleted after the running notification
/// returns.
class VOK_HOST_API VOKDialog : public VOKCommand {
 public:
  /// A widget named name under parent (null: a root), with the style bits of
  /// VOKDlgStyle; it becomes parent's youngest child.
  VOKDialog(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  /// A copy takes the source's name, style and properties and becomes a new
  /// child of the same parent, without children of its own.
  VOKDialog(const VOKDialog& other);
  /// Copies the properties (title, help, icon, visibility, sensitivity,
  /// grid place); the tree position and children stay.
  VOKDialog& operator=(const VOKDialog& other);
  ~VOKDialog() override;

  VOK_DECLARE_ALLOCATOR(VOKDialog)
  const char* IsA() const override;
  /// The descriptor of the toolkit class IsA() names.
  VOKMetaClass* GetMetaObject() const override;

  /// The parent, or null for a root.
  VOKDialog* GetParent() const { return _parent; }
  /// The name given at construction.
  const VOKString& GetName() const { return _name; }
  /// The style bits (VOKDlgStyle).
  std::uint64_t GetStyle() const { return _style; }
  /// Oldest first. Each widget holds its place among its siblings, so
  /// adding and removing a child cost the same however many there are.
  VOKDlgChildren GetChildren() const { return {_firstChild, _lastChild}; }
  /// The next younger child of the same parent, or null.
  VOKDialog* GetNextSibling() const { return _nextSibling; }
  /// The direct child of that name, or null.
  VOKDialog* GetChild(const char* name) const;
  /// The first widget of that name below this one, depth first, or null.
  VOKDialog* FindDescendant(const char* name) const;
  /// The nearest window at or above this widget, or null.
  class VOKDlgWindow* GetWindow();

  /// The resource file (message catalog) name of the widget at a level of
  /// its class chain: the toolkit answers IsA() at level 0 or below and ""
  /// above; classes that have resources override it and ask the base for
  /// the level minus 1.
  virtual VOKString GetResourceFilename(int level) const;

  void SetVisibility(int visibility);  ///< 2 shown, 4 hidden
  /// VOKDlgVisibility::Shown or Hidden.
  int GetVisibility() const { return _visibility; }
  void SetSensitivity(int sensitivity);  ///< 8 usable, 16 greyed out
  /// VOKDlgSensitivity::Usable or Greyed.
  int GetSensitivity() const { return _sensitivity; }
  /// Shown and usable, and so is every ancestor up to its window.
  bool IsReachable() const;

  /// Sets the text the widget shows (a button's label, a window's title).
  void SetTitle(const VOKUnicodeString& title);
  /// The text the widget shows; empty by default.
  const VOKUnicodeString& GetTitle() const { return _title; }
  /// Sets the tooltip text.
  void SetShortHelp(const VOKUnicodeString& help);
  /// The tooltip text; empty by default.
  VOKUnicodeString GetShortHelp() const;
  /// Sets the icon names of the four states; flag is kept for the host.
  void SetIconName(const VOKString& normal, const VOKString& selected, const VOKString& focused,
                   const VOKString& greyed, int flag);
  /// The icon name of the normal state; empty by default.
  VOKString GetIconName() const;

  /// Places the widget in its parent's grid (see VOKDlgGridConstraints).
  void SetGridConstraints(int row, int column, int rowSpan, int columnSpan, int justification);
  /// The same, from one value.
  void SetGridConstraints(const VOKDlgGridConstraints& constraints);
  /// Null when the widget has no grid place.
  const VOKDlgGridConstraints* GetGridConstraints() const;

 protected:
  /// Called when child leaves this widget, before it is unlinked.
  virtual void ForgetChild(const VOKDialog* child);

 private:
  friend class VOKDlgWindow;  ///< marks its objects as windows

  struct Extras;
  Extras& extras();
  void destroyChildren();
  void linkToParent();

  VOKDialog* _parent;
  VOKString _name;
  std::uint64_t _style;
  VOKDialog* _firstChild = nullptr;
  VOKDialog* _lastChild = nullptr;
  VOKDialog* _previousSibling = nullptr;
  VOKDialog* _nextSibling = nullptr;
  VOKUnicodeString _title;
  int _visibility = VOKDlgVisibility::Shown;
  int _sensitivity = VOKDlgSensitivity::Usable;
  bool _hasGrid = false;
  /// True from the body of a VOKDlgWindow constructor to the start of its
  /// destructor, as a dynamic_cast would answer; asked on every user
  /// action's reachability walk, where RTTI would cost more than the action.
  /// (Kept beside _hasGrid, where it costs no room.)
  bool _isWindow = false;
  VOKDlgGridConstraints _grid;
  std::unique_ptr<Extras> _extras;  ///< rarely used properties
};
