// Allocation faults, live counts and run-time class descriptors.
#include <cstring>
#include <string>

#include "ToolkitTestSupport.h"
#include "base_runtime/VOKMetaClass.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgSpinner.h"

namespace {

int constructed = 0;

// A class without an allocator of its own: it fails under its base's name.
class CountedLabel : public VOKDlgLabel {
 public:
  explicit CountedLabel(VOKDialog* parent) : VOKDlgLabel(parent, "Counted", 0) { ++constructed; }
};

using RuntimeTest = ToolkitTest;

TEST_F(RuntimeTest, NthAllocationYieldsNullWithoutConstruction) {
  constructed = 0;
  VOKAllocationFaults::FailNth(2);
  auto* first = new CountedLabel(nullptr);
  auto* second = new CountedLabel(nullptr);
  auto* third = new CountedLabel(nullptr);
  EXPECT_NE(nullptr, first);
  EXPECT_EQ(nullptr, second);
  EXPECT_NE(nullptr, third);
  EXPECT_EQ(2, constructed);
  EXPECT_EQ(3, VOKAllocationFaults::Allocations());
  delete first;
  delete third;
}

TEST_F(RuntimeTest, ClassFaultHitsEveryAllocationOfThatClassOnly) {
  constructed = 0;
  VOKAllocationFaults::FailClass("VOKDlgLabel");
  EXPECT_EQ(nullptr, new CountedLabel(nullptr));
  EXPECT_EQ(nullptr, new VOKDlgLabel(nullptr, "Plain", 0));
  auto* spinner = new VOKDlgSpinner(nullptr, "Spinner", 0);
  EXPECT_NE(nullptr, spinner);
  EXPECT_EQ(0, constructed);
  delete spinner;
  VOKAllocationFaults::Clear();
  auto* label = new CountedLabel(nullptr);
  EXPECT_NE(nullptr, label);
  delete label;
}

TEST_F(RuntimeTest, LiveObjectsCountsEveryHostObject) {
  const long start = VOKBaseUnknown::LiveObjects();
  auto* frame = new VOKDlgFrame(nullptr, "Frame", 0);
  new VOKDlgLabel(frame, "Label", 0);
  VOKNotification standalone("StandaloneNotification");
  EXPECT_EQ(start + 3, VOKBaseUnknown::LiveObjects());
  delete frame;
  EXPECT_EQ(start + 1, VOKBaseUnknown::LiveObjects());
}

TEST_F(RuntimeTest, DescriptorIsRegisteredOnceAndKeepsItsData) {
  const int before = VOKMetaClassRetrievals("TestRuntimeClass");
  VOKMetaClass* base = VOKBaseUnknown::MetaObject();
  VOKMetaClass* meta = fct_RetrieveMetaObject("TestRuntimeClass", 1, base, "VOKNull", "Tests", 40);
  EXPECT_EQ(meta, fct_RetrieveMetaObject("TestRuntimeClass", 7, nullptr, "x", "y", 1));
  EXPECT_EQ(before + 2, VOKMetaClassRetrievals("TestRuntimeClass"));
  EXPECT_STREQ("TestRuntimeClass", meta->GetClassName());
  EXPECT_STREQ("Tests", meta->GetComponentName());
  EXPECT_EQ(1, meta->GetKind());
  EXPECT_EQ(base, meta->GetBase());
  EXPECT_EQ(40u, meta->GetSize());
  EXPECT_FALSE(meta->GetClassId() == base->GetClassId());
  EXPECT_TRUE(meta->IsAKindOf("VOKBaseUnknown"));
  EXPECT_FALSE(meta->IsAKindOf("VOKDialog"));
  EXPECT_FALSE(meta->IsAKindOf(nullptr));
  EXPECT_EQ(nullptr, fct_RetrieveMetaObject(nullptr, 1, nullptr, "", "", 0));
}

TEST_F(RuntimeTest, OverlongNamesAreCutAndStillIdentifyTheClass) {
  const std::string longName(200, 'N');
  VOKMetaClass* meta =
      fct_RetrieveMetaObject(longName.c_str(), 1, nullptr, longName.c_str(), longName.c_str(), 0);
  EXPECT_EQ(63u, std::strlen(meta->GetClassName()));
  EXPECT_EQ(63u, std::strlen(meta->GetComponentName()));
  VOKMetaClass twin(longName.c_str(), 1, nullptr, "", "", 0);
  EXPECT_TRUE(meta->GetClassId() == twin.GetClassId());
}

TEST_F(RuntimeTest, ToolkitClassesFollowTheirBaseChain) {
  VOKMetaClass* frameMeta = VOKDlgFrame::MetaObject();
  EXPECT_STREQ("VOKDlgFrame", frameMeta->GetClassName());
  EXPECT_STREQ("VOKDialog", frameMeta->GetBase()->GetClassName());
  EXPECT_STREQ("VOKCommand", frameMeta->GetBase()->GetBase()->GetClassName());
  EXPECT_EQ(VOKBaseUnknown::MetaObject(), frameMeta->GetBase()->GetBase()->GetBase());
  EXPECT_EQ(frameMeta, fct_RetrieveMetaObject("VOKDlgFrame", 1, nullptr, "", "", 0));

  VOKDlgFrame frame(nullptr, "Frame", 0);
  VOKDlgNotify box(nullptr, "Box", 0);
  EXPECT_EQ(frameMeta, frame.GetMetaObject());
  EXPECT_TRUE(frame.IsAKindOf("VOKCommand"));
  EXPECT_FALSE(frame.IsAKindOf("VOKDlgWindow"));
  EXPECT_TRUE(box.IsAKindOf("VOKDlgWindow"));
  EXPECT_TRUE(box.IsAKindOf("VOKDialog"));
  EXPECT_FALSE(box.IsAKindOf("VOKDlgDialog"));
}

}  // namespace
