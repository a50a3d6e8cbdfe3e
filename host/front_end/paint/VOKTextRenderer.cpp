// File: VOKTextRenderer.cpp
// Windows as text: placed, painted bottom to top, read off the canvas.
#include "front_end/paint/VOKTextRenderer.h"

#include "front_end/layout/VOKWindowStack.h"
#include "front_end/paint/VOKCanvas.h"
#include "front_end/paint/VOKPainter.h"

std::string VOKTextRenderer::Render(VOKDlgWindow& window) {
  return Render(std::vector<VOKDlgWindow*>{&window});
}

std::string VOKTextRenderer::Render(const std::vector<VOKDlgWindow*>& windows) {
  const std::vector<VOKWindowLayout> placed = VOKPlaceWindows(windows);
  const VOKCellRect bounds = VOKWindowsBounds(placed);
  VOKCanvas canvas(bounds.Right(), bounds.Bottom());
  for (const VOKWindowLayout& layout : placed) VOKPaintWindow(canvas, layout);
  return canvas.ToString();
}
