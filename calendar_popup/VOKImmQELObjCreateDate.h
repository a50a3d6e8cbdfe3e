// File: VOKImmQELObjCreateDate.h
// The date-picker dialog bound to the editor whose text the picked date is
// meant for. The editor is not owned.
#pragma once

#include "date_dialog/VOKPLMDlgDate.h"
#include "dialog_toolkit/VOKDlgEditor.h"

class VOK_MODULE_API VOKImmQELObjCreateDate : public VOKPLMDlgDate {
 public:
  explicit VOKImmQELObjCreateDate(VOKDialog* parent);
  explicit VOKImmQELObjCreateDate(VOKDlgDialog* parent);
  VOKImmQELObjCreateDate(VOKImmQELObjCreateDate& other);
  VOKImmQELObjCreateDate& operator=(const VOKImmQELObjCreateDate& other);
  ~VOKImmQELObjCreateDate() override;

  VOKString GetResourceFilename(int level) const override;

  VOKDlgEditor* GetEditor();
  void SetEditor(VOKDlgEditor* editor);

 private:
  VOKDlgEditor* _editor = nullptr;
};
