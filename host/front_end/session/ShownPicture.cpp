// File: ShownPicture.cpp
#include "front_end/session/ShownPicture.h"

namespace vok::session {

namespace {

bool focused(const std::optional<VOKCellRect>& focus, int x, int y) {
  return focus && focus->Contains(x, y);
}

}  // namespace

void ShownPicture::MarkChanges(VOKScreenView& view) const {
  const VOKCanvas& now = view.canvas;
  const bool resized = now.Width() != _canvas.Width() || now.Height() != _canvas.Height();
  view.changed.clear();
  for (int y = 0; y < now.Height(); ++y) {
    for (int x = 0; x < now.Width(); ++x) {
      if (resized || differs(view, x, y)) view.changed.push_back({x, y});
    }
  }
}

bool ShownPicture::differs(const VOKScreenView& view, int x, int y) const {
  const VOKCell& before = _canvas.UncheckedAt(x, y);
  const VOKCell& now = view.canvas.UncheckedAt(x, y);
  return before.role != now.role || before.glyph != now.glyph ||
         focused(_focus, x, y) != focused(view.focus, x, y);
}

void ShownPicture::Keep(VOKScreenView&& view) {
  _canvas = std::move(view.canvas);
  _focus = view.focus;
}

}  // namespace vok::session
