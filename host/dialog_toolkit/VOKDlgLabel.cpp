// File: VOKDlgLabel.cpp
#include "dialog_toolkit/VOKDlgLabel.h"

VOKDlgLabel::VOKDlgLabel(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {}

VOKDlgLabel::~VOKDlgLabel() = default;

const char* VOKDlgLabel::IsA() const { return "VOKDlgLabel"; }
