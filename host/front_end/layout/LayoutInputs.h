// File: LayoutInputs.h
// Internal to the front end. What the placing of windows on a screen
// depends on: the screen's size, the windows bottom to top with their
// titles and messages, and every widget they lay out with its natural
// size. Two equal readings lay out alike, so a session lays out again only
// when the reading changes. Widgets are kept as addresses only, compared
// and never followed, so a reading outlives the widgets it names.
#pragma once

#include <string>
#include <vector>

#include "front_end/layout/VOKLayout.h"

namespace vok::layout {

class LayoutInputs {
 public:
  LayoutInputs() = default;
  LayoutInputs(const std::vector<VOKDlgWindow*>& windows, VOKCellSize screen);

  friend bool operator==(const LayoutInputs&, const LayoutInputs&) = default;

 private:
  struct Laid {
    const void* widget = nullptr;
    VOKCellSize natural;  // of a widget that holds none, else 0 x 0

    friend bool operator==(const Laid&, const Laid&) = default;
  };
  void read(const VOKDialog& container);

  VOKCellSize _screen;
  std::vector<Laid> _laid;
  std::vector<std::string> _texts;  // each window's title and message
};

}  // namespace vok::layout
