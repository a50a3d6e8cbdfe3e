// File: EditorKind.cpp
// Editors: 12 columns of text, the rest of the field shown as "_".
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/paint/VOKPainter.h"

namespace vok::kinds {

namespace {

constexpr int kColumns = 12;

class Editor : public WidgetKind {
 public:
  Editor() : WidgetKind("editor") {}
  VOKCellSize Natural(const VOKDialog& /*widget*/) const override { return {kColumns, 1}; }

  void Paint(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) const override {
    VOKPaintFieldText(canvas, widget, rect, Text(widget), 0);
  }

  bool Interactive() const override { return true; }
  bool TakesTypedText(const VOKDialog& /*widget*/) const override { return true; }

  std::string Text(const VOKDialog& widget) const override {
    return static_cast<const VOKDlgEditor&>(widget).GetText().ToUtf8();
  }
  void Type(VOKDialog& widget, const VOKUnicodeString& text) const override {
    VOKDlgUser::Type(static_cast<VOKDlgEditor*>(&widget), text);
  }
};

}  // namespace

const WidgetKind& EditorKind() { return One<Editor>(); }

}  // namespace vok::kinds
