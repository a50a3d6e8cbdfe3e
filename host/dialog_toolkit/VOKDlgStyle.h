// File: VOKDlgStyle.h
// The toolkit's style bits, visibility and sensitivity values.
#pragma once

#include <cstdint>

namespace VOKDlgStyle {
/// Containers (frames, windows): children are placed by grid constraints
/// (VOKDlgGridConstraints.h); without it by tabulation attachments
/// (VOKDlgTabulation.h).
inline constexpr std::uint64_t GridLayout = 0x00000001;
/// Windows: an OK button, a Cancel button, a close control in the title bar.
inline constexpr std::uint64_t OKButton = 0x00000200;
inline constexpr std::uint64_t CancelButton = 0x00000400;
inline constexpr std::uint64_t CloseControl = 0x00000800;
/// Combos and spinners: the user may type into the field. A combo without
/// FreeText is a list the user picks from: typed text chooses the line it
/// names, and text that names no line is refused. Frames: the frame fills
/// the width its parent gives it (its grid cell or its row). Windows keep it
/// as given, without effect.
inline constexpr std::uint64_t Editable = 0x00040000;
/// Editable combos: the field keeps any typed text, its lines are only
/// suggestions.
inline constexpr std::uint64_t FreeText = 0x00100000;
/// Kept as given: every shown child takes part in its parent's layout
/// (grid cell or tabulation), with this bit or without it.
inline constexpr std::uint64_t Placed = 0x00080000;
/// Windows: modeless; the windows under it stay usable while it is shown
/// (a front end lets clicks through to them).
inline constexpr std::uint64_t Modeless = 0x00200000;
/// Message boxes: an error box with a single OK button.
inline constexpr std::uint64_t ErrorBox = 0x10000000;
}  // namespace VOKDlgStyle

namespace VOKDlgVisibility {
inline constexpr int Shown = 2;
inline constexpr int Hidden = 4;
}  // namespace VOKDlgVisibility

namespace VOKDlgSensitivity {
inline constexpr int Usable = 8;
inline constexpr int Greyed = 16;
}  // namespace VOKDlgSensitivity
