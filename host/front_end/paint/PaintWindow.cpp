// File: PaintWindow.cpp
// Drawing a window: its box, its widgets, its message, its buttons; and
// an open combo list over it.
#include "front_end/layout/WindowParts.h"
#include "front_end/paint/PaintWidgets.h"
#include "front_end/paint/VOKPainter.h"
#include "front_end/text/VOKCellText.h"

namespace {

void box(VOKCanvas& canvas, const VOKCellRect& rect, VOKCellRole inside) {
  canvas.Clear(rect, inside);
  canvas.Text(rect.x, rect.y, "┌", 1, VOKCellRole::Border);
  canvas.Repeat(rect.x + 1, rect.y, "─", rect.width - 2, VOKCellRole::Border);
  canvas.Text(rect.Right() - 1, rect.y, "┐", 1, VOKCellRole::Border);
  for (int y = rect.y + 1; y < rect.Bottom() - 1; ++y) {
    canvas.Text(rect.x, y, "│", 1, VOKCellRole::Border);
    canvas.Text(rect.Right() - 1, y, "│", 1, VOKCellRole::Border);
  }
  canvas.Text(rect.x, rect.Bottom() - 1, "└", 1, VOKCellRole::Border);
  canvas.Repeat(rect.x + 1, rect.Bottom() - 1, "─", rect.width - 2, VOKCellRole::Border);
  canvas.Text(rect.Right() - 1, rect.Bottom() - 1, "┘", 1, VOKCellRole::Border);
}

void titleBar(VOKCanvas& canvas, const VOKWindowLayout& layout) {
  const VOKCellRect& bounds = layout.Bounds();
  const std::string& title = layout.Window().GetTitle().ToUtf8();
  if (!title.empty()) {
    canvas.Text(bounds.x + 3, bounds.y, title, bounds.width - 4, VOKCellRole::Title);
    canvas.Text(bounds.x + 2, bounds.y, " ", 1, VOKCellRole::Border);
    canvas.Text(bounds.x + 3 + VOKTextColumns(title), bounds.y, " ", 1, VOKCellRole::Border);
  }
  if (const auto& close = layout.CloseControl()) {
    canvas.Text(close->x, close->y, " ", 1, VOKCellRole::Border);
    canvas.Text(close->x + 1, close->y, "x", 1, VOKCellRole::Close);
    canvas.Text(close->x + 2, close->y, " ", 1, VOKCellRole::Border);
  }
}

void buttons(VOKCanvas& canvas, const VOKWindowLayout& layout) {
  if (const auto& ok = layout.OKButton()) {
    canvas.Text(ok->x, ok->y, vok::window::OKFace(), ok->width, VOKCellRole::Button);
  }
  if (const auto& cancel = layout.CancelButton()) {
    canvas.Text(cancel->x, cancel->y, vok::window::CancelFace(), cancel->width,
                VOKCellRole::Button);
  }
}

void message(VOKCanvas& canvas, const VOKWindowLayout& layout) {
  const VOKCellRect& client = layout.Client();
  int y = client.y;
  for (const std::string& line : layout.MessageLines()) {
    canvas.Text(client.x, y++, line, client.width, VOKCellRole::Label);
  }
}

}  // namespace

void VOKPaintWindow(VOKCanvas& canvas, const VOKWindowLayout& layout) {
  box(canvas, layout.Bounds(), VOKCellRole::Blank);
  titleBar(canvas, layout);
  for (const VOKLaidWidget& laid : layout.Widgets())
    vok::paint::Widget(canvas, *laid.widget, laid.rect);
  message(canvas, layout);
  buttons(canvas, layout);
}

void VOKPaintDropList(VOKCanvas& canvas, const VOKDlgCombo& combo, const VOKDropList& list,
                      int highlighted) {
  box(canvas, list.box, VOKCellRole::List);
  for (int i = 0; i < list.count; ++i) {
    const int line = list.first + i;
    const VOKCellRole role = line == highlighted ? VOKCellRole::ListChosen : VOKCellRole::List;
    const VOKCellRect row{list.box.x + 1, list.box.y + 1 + i, list.box.width - 2, 1};
    canvas.Clear(row, role);
    canvas.Text(row.x, row.y, combo.GetLine(line).ToUtf8(), row.width, role);
  }
}
