// File: VOKImmQELObjCreateDate.cpp
// The date-picker dialog and the editor it serves.
#include "calendar_popup/VOKImmQELObjCreateDate.h"

VOKImmQELObjCreateDate::VOKImmQELObjCreateDate(VOKDialog* parent) : VOKPLMDlgDate(parent) {}

VOKImmQELObjCreateDate::VOKImmQELObjCreateDate(VOKDlgDialog* parent)
    : VOKImmQELObjCreateDate(static_cast<VOKDialog*>(parent)) {}

VOKImmQELObjCreateDate::VOKImmQELObjCreateDate(VOKImmQELObjCreateDate& other) = default;

VOKImmQELObjCreateDate& VOKImmQELObjCreateDate::operator=(const VOKImmQELObjCreateDate& other) =
    default;

// The editor belongs to the frame that handed it over.
VOKImmQELObjCreateDate::~VOKImmQELObjCreateDate() { _editor = nullptr; }

// The dialog uses the date-picker's resources.
VOKString VOKImmQELObjCreateDate::GetResourceFilename(int level) const {
  return VOKPLMDlgDate::GetResourceFilename(level);
}

VOKDlgEditor* VOKImmQELObjCreateDate::GetEditor() { return _editor; }

void VOKImmQELObjCreateDate::SetEditor(VOKDlgEditor* editor) { _editor = editor; }
