// The widget tree: what the module's tests do not reach of ownership,
// lookup and copies.
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "host/ToolkitTestSupport.h"

namespace {

using TreeTest = ToolkitTest;

TEST_F(TreeTest, StackChildIsDetachedNotDeleted) {
  auto* frame = new VOKDlgFrame(nullptr, "Frame", 0);
  VOKDlgLabel label(frame, "OnStack", 0);
  delete frame;
  EXPECT_EQ(nullptr, label.GetParent());
}

TEST_F(TreeTest, LookupByNameIsDepthFirst) {
  VOKDlgDialog window(nullptr, "Window", 0);
  auto* top = new VOKDlgFrame(&window, "Top", 0);
  auto* deep = new VOKDlgLabel(top, "Same", 0);
  auto* late = new VOKDlgLabel(&window, "Same", 0);
  EXPECT_EQ(late, window.GetChild("Same"));
  EXPECT_EQ(deep, window.FindDescendant("Same"));
  EXPECT_EQ(top, window.GetChild("Top"));
  EXPECT_EQ(nullptr, window.GetChild("Missing"));
  EXPECT_EQ(nullptr, window.FindDescendant("Window"));
  EXPECT_EQ(&window, deep->GetWindow());
}

TEST_F(TreeTest, CopyJoinsTheSameParentWithoutChildren) {
  VOKDlgDialog host(nullptr, "Host", 0);
  VOKDlgFrame original(&host, "Original", 0x80001);
  new VOKDlgLabel(&original, "Child", 0);
  original.SetShortHelp("help");
  {
    VOKDlgFrame copy(original);  // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_EQ("Original", copy.GetName());
    EXPECT_EQ(0x80001u, copy.GetStyle());
    EXPECT_EQ("help", copy.GetShortHelp().ToUtf8());
    EXPECT_TRUE(copy.GetChildren().empty());
    EXPECT_EQ(2u, host.GetChildren().size());
  }
  EXPECT_EQ(1u, host.GetChildren().size());
  VOKDlgFrame other(nullptr, "Other", 0);
  other.SetTitle("Other title");
  original = other;
  EXPECT_EQ("Original", original.GetName());
  EXPECT_EQ("Other title", original.GetTitle().ToUtf8());
  EXPECT_EQ(1u, original.GetChildren().size());
}

}  // namespace
