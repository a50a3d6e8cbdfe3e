// File: ShownPicture.h
// Internal to the front end. The picture a screen was shown last, kept so
// that the next one tells only the cells that changed: a key that changes
// nothing draws nothing, a day picked draws only the calendar's changed
// cells.
#pragma once

#include <optional>

#include "front_end/session/VOKFrontEndScreen.h"

namespace vok::session {

class ShownPicture {
 public:
  // Lists in view.changed the cells that differ from the kept picture.
  void MarkChanges(VOKScreenView& view) const;
  // Keeps the picture of a view once the screen has it.
  void Keep(VOKScreenView&& view);

 private:
  bool differs(const VOKScreenView& view, int x, int y) const;

  VOKCanvas _canvas{0, 0};
  std::optional<VOKCellRect> _focus;
};

}  // namespace vok::session
