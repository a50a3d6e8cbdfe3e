// File: VOKWindowLayout.cpp
// A window's box: border, content, the row of its OK and Cancel buttons.
#include <algorithm>

#include "dialog_toolkit/VOKDlgNotify.h"
#include "front_end/layout/LayoutEngine.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/text/TextWrap.h"
#include "front_end/text/VOKCellText.h"

namespace {

constexpr int kBorder = 1;
constexpr int kSides = 2 * (kBorder + vok::window::kPadding);

// The message's lines, each wrapped to the columns the box may give it.
std::vector<std::string> messageLines(const VOKDlgWindow& window, int columns) {
  const auto* box = dynamic_cast<const VOKDlgNotify*>(&window);
  if (box == nullptr) return {};
  std::vector<std::string> lines;
  const std::string& text = box->GetMessage().ToUtf8();
  const auto add = [&](std::string_view line) {
    if (VOKTextColumns(line) <= columns) {
      lines.emplace_back(line);
      return;
    }
    for (std::string& part : vok::text::Wrap(line, columns)) lines.push_back(std::move(part));
  };
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    add(std::string_view(text).substr(start, end - start));
  }
  add(std::string_view(text).substr(start));
  return lines;
}

VOKCellSize messageSize(const std::vector<std::string>& lines) {
  VOKCellSize size{0, static_cast<int>(lines.size())};
  for (const std::string& line : lines) size.width = std::max(size.width, VOKTextColumns(line));
  return size;
}

struct ButtonRow {
  int okColumns = 0;
  int cancelColumns = 0;

  bool Empty() const { return okColumns == 0 && cancelColumns == 0; }
  int Columns() const {
    return okColumns + cancelColumns + (okColumns > 0 && cancelColumns > 0 ? vok::layout::kGap : 0);
  }
};

ButtonRow buttonRow(const VOKDlgWindow& window) {
  ButtonRow row;
  if (vok::window::HasOK(window)) row.okColumns = VOKTextColumns(vok::window::OKFace());
  if (vok::window::HasCancel(window)) row.cancelColumns = VOKTextColumns(vok::window::CancelFace());
  return row;
}

}  // namespace

VOKWindowLayout::VOKWindowLayout(VOKDlgWindow& window, int maxWidth) : _window(&window) {
  vok::layout::Engine engine;
  _message = messageLines(window, maxWidth - kSides);
  const bool box = VOKIsMessageBox(window);
  const VOKCellSize content = box ? messageSize(_message) : engine.ContentNatural(window);
  const ButtonRow buttons = buttonRow(window);
  const int natural = std::max(
      {content.width + kSides, vok::window::TitleBarColumns(window), buttons.Columns() + kSides});
  // A box's long title is cut rather than widening it past the screen.
  const int width = box ? std::max(std::min(natural, maxWidth), content.width + kSides) : natural;
  const int buttonLines = buttons.Empty() ? 0 : 1;
  _client = {kBorder + vok::window::kPadding, kBorder, width - kSides, content.height};
  _bounds = {0, 0, width, content.height + buttonLines + 2 * kBorder};
  if (!VOKIsMessageBox(window)) engine.PlaceContent(window, _client, _widgets);
  const int buttonLine = _client.Bottom();
  int x = _client.Right();
  if (buttons.cancelColumns > 0) {
    x -= buttons.cancelColumns;
    _cancel = VOKCellRect{x, buttonLine, buttons.cancelColumns, 1};
    x -= vok::layout::kGap;
  }
  if (buttons.okColumns > 0)
    _ok = VOKCellRect{x - buttons.okColumns, buttonLine, buttons.okColumns, 1};
  if (vok::window::HasClose(window)) {
    _close = VOKCellRect{width - vok::window::kCloseFromRight, 0, vok::window::kCloseWidth, 1};
  }
}

const VOKCellRect* VOKWindowLayout::Find(const VOKDialog* widget) const {
  for (const VOKLaidWidget& laid : _widgets) {
    if (laid.widget == widget) return &laid.rect;
  }
  return nullptr;
}

void VOKWindowLayout::MoveTo(int x, int y) {
  const int dx = x - _bounds.x;
  const int dy = y - _bounds.y;
  _bounds = _bounds.Moved(dx, dy);
  _client = _client.Moved(dx, dy);
  for (VOKLaidWidget& laid : _widgets) laid.rect = laid.rect.Moved(dx, dy);
  for (auto* part : {&_ok, &_cancel, &_close}) {
    if (*part) *part = part->value().Moved(dx, dy);
  }
}
