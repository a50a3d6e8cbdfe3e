// File: VOKDlgSeparator.cpp
#include "dialog_toolkit/VOKDlgSeparator.h"

VOKDlgSeparator::VOKDlgSeparator(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {}

VOKDlgSeparator::~VOKDlgSeparator() = default;

const char* VOKDlgSeparator::IsA() const { return "VOKDlgSeparator"; }
