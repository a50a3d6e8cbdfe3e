// File: VOKImmQELObjCreateDate.h
// The date-picker dialog bound to the editor whose text the picked date is
// meant for. The editor is not owned.
#pragma once

#include "date_dialog/VOKPLMDlgDate.h"
#include "dialog_toolkit/VOKDlgEditor.h"

/// A calendar dialog bound to the editor its picked date is meant for. The
/// editor is not owned: it must outlive the dialog or be unset first.
class VOK_MODULE_API VOKImmQELObjCreateDate : public VOKPLMDlgDate {
 public:
  /// A hidden calendar under parent, bound to no editor yet.
  explicit VOKImmQELObjCreateDate(VOKDialog* parent);
  /// The same, under a dialog.
  explicit VOKImmQELObjCreateDate(VOKDlgDialog* parent);
  /// A copy bound to the same editor (see VOKPLMDlgDate's copy).
  VOKImmQELObjCreateDate(VOKImmQELObjCreateDate& other);
  /// Takes other's state and editor.
  VOKImmQELObjCreateDate& operator=(const VOKImmQELObjCreateDate& other);
  ~VOKImmQELObjCreateDate() override;

  VOKString GetResourceFilename(int level) const override;

  /// The bound editor, or null.
  VOKDlgEditor* GetEditor();
  /// Binds the editor (not owned); null unbinds.
  void SetEditor(VOKDlgEditor* editor);

 private:
  VOKDlgEditor* _editor = nullptr;
};
