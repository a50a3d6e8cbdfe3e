// File: VOKDlgPushButton.cpp
#include "dialog_toolkit/VOKDlgPushButton.h"

VOKDlgPushButton::VOKDlgPushButton(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {}

VOKDlgPushButton::~VOKDlgPushButton() = default;

const char* VOKDlgPushButton::IsA() const { return "VOKDlgPushButton"; }
