// The widget tree: ownership, lookup, reachability and copies.
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "host/ToolkitTestSupport.h"

namespace {

using TreeTest = ToolkitTest;

TEST_F(TreeTest, ParentOwnsItsChildrenAndADeletedChildDetaches) {
  const long start = VOKBaseUnknown::LiveObjects();
  auto* window = new VOKDlgDialog(nullptr, "Window", 0);
  auto* frame = new VOKDlgFrame(window, "Frame", 0);
  auto* first = new VOKDlgLabel(frame, "First", 0);
  auto* second = new VOKDlgLabel(frame, "Second", 0);
  auto* third = new VOKDlgLabel(frame, "Third", 0);
  frame->SetHorizontalAttachment(1, 1, first, second, nullptr);
  EXPECT_EQ(window, frame->GetParent());
  EXPECT_EQ((std::vector<VOKDialog*>{first, second, third}), frame->GetChildren());

  delete second;
  EXPECT_EQ((std::vector<VOKDialog*>{first, third}), frame->GetChildren());
  delete first;
  EXPECT_EQ((std::vector<VOKDialog*>{third}), frame->GetChildren());
  EXPECT_TRUE(frame->GetTabulation().Horizontal()[0].widgets.empty());

  delete window;  // takes the frame and the third label
  EXPECT_EQ(start, VOKBaseUnknown::LiveObjects());
}

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

TEST_F(TreeTest, ReachableOnlyWhenShownAndUsableUpToItsWindow) {
  VOKDlgFrame host(nullptr, "Host", 0);
  auto* window = new VOKDlgDialog(&host, "Window", 0);
  auto* frame = new VOKDlgFrame(window, "Frame", 0);
  auto* button = new VOKDlgPushButton(frame, "Button", 0);
  EXPECT_EQ(VOKDlgVisibility::Hidden, window->GetVisibility());  // windows start hidden
  EXPECT_EQ(VOKDlgVisibility::Shown, button->GetVisibility());
  EXPECT_FALSE(button->IsReachable());
  window->SetVisibility(VOKDlgVisibility::Shown);
  EXPECT_TRUE(button->IsReachable());
  host.SetVisibility(VOKDlgVisibility::Hidden);  // above the window: no effect
  EXPECT_TRUE(button->IsReachable());
  frame->SetSensitivity(VOKDlgSensitivity::Greyed);
  EXPECT_FALSE(button->IsReachable());
  frame->SetSensitivity(VOKDlgSensitivity::Usable);
  button->SetVisibility(VOKDlgVisibility::Hidden);
  EXPECT_FALSE(button->IsReachable());
}

TEST_F(TreeTest, UnsetValuesAndResourceFileIndexes) {
  VOKDlgFrame frame(nullptr, "Frame", 0x80001);
  VOKDlgLabel label(&frame, "Label", 0x80000);
  EXPECT_EQ(nullptr, label.GetGridConstraints());
  frame.SetGridRowResizable(1, 0);
  EXPECT_EQ(0, frame.GetGridRowResizable(1));
  EXPECT_EQ(-1, frame.GetGridRowResizable(0));
  EXPECT_EQ("VOKDlgLabel", label.GetResourceFilename(0));
  EXPECT_EQ("VOKDlgLabel", label.GetResourceFilename(-3));
  EXPECT_EQ("", label.GetResourceFilename(1));
}

TEST_F(TreeTest, CopyJoinsTheSameParentWithoutChildren) {
  VOKDlgDialog host(nullptr, "Host", 0);
  VOKDlgFrame original(&host, "Original", 0x80001);
  new VOKDlgLabel(&original, "Child", 0);
  original.SetShortHelp("help");
  {
    VOKDlgFrame copy(original);
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
