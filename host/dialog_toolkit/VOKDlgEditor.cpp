// File: VOKDlgEditor.cpp
#include "dialog_toolkit/VOKDlgEditor.h"

VOKDlgEditor::VOKDlgEditor(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {}

VOKDlgEditor::~VOKDlgEditor() = default;

const char* VOKDlgEditor::IsA() const { return "VOKDlgEditor"; }

void VOKDlgEditor::SetText(const VOKUnicodeString& text, int /*flag*/) { _text = text; }
