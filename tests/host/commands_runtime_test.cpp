// Allocation faults, live counts and run-time class descriptors.
#include <cstring>
#include <string>

#include "base_runtime/VOKMetaClass.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "host/ToolkitTestSupport.h"

namespace {

int constructed = 0;

// A class without an allocator of its own: it fails under its base's name.
class CountedLabel : public VOKDlgLabel {
 public:
  explicit CountedLabel(VOKDialog* parent) : VOKDlgLabel(parent, "Counted", 0) { ++constructed; }
};

using RuntimeTest = ToolkitTest;

TEST_F(RuntimeTest, FailedAllocationsYieldNullWithoutConstruction) {
  constructed = 0;
  VOKAllocationFaults::FailNth(2);
  auto* first = new CountedLabel(nullptr);
  EXPECT_EQ(nullptr, new CountedLabel(nullptr));
  auto* third = new CountedLabel(nullptr);
  EXPECT_NE(nullptr, first);
  EXPECT_NE(nullptr, third);
  EXPECT_EQ(2, constructed);
  EXPECT_EQ(3, VOKAllocationFaults::Allocations());
  delete first;
  delete third;

  VOKAllocationFaults::Clear();
  VOKAllocationFaults::FailClass("VOKDlgLabel");
  EXPECT_EQ(nullptr, new CountedLabel(nullptr));
  auto* spinner = new VOKDlgSpinner(nullptr, "Spinner", 0);
  EXPECT_NE(nullptr, spinner);
  EXPECT_EQ(2, constructed);
  delete spinner;
}

TEST_F(RuntimeTest, DescriptorsAreRegisteredOnceCutAndChained) {
  const int before = VOKMetaClassRetrievals("TestRuntimeClass");
  VOKMetaClass* base = VOKBaseUnknown::MetaObject();
  VOKMetaClass* meta = fct_RetrieveMetaObject("TestRuntimeClass", 1, base, "VOKNull", "Tests", 40);
  EXPECT_EQ(meta, fct_RetrieveMetaObject("TestRuntimeClass", 7, nullptr, "x", "y", 1));
  EXPECT_EQ(before + 2, VOKMetaClassRetrievals("TestRuntimeClass"));
  EXPECT_STREQ("Tests", meta->GetComponentName());
  EXPECT_EQ(40u, meta->GetSize());
  EXPECT_TRUE(meta->IsAKindOf("VOKBaseUnknown"));
  EXPECT_FALSE(meta->IsAKindOf(nullptr));
  EXPECT_EQ(nullptr, fct_RetrieveMetaObject(nullptr, 1, nullptr, "", "", 0));

  const std::string longName(200, 'N');
  VOKMetaClass* cut =
      fct_RetrieveMetaObject(longName.c_str(), 1, nullptr, longName.c_str(), longName.c_str(), 0);
  EXPECT_EQ(63u, std::strlen(cut->GetClassName()));
  EXPECT_EQ(63u, std::strlen(cut->GetComponentName()));
  VOKMetaClass twin(longName.c_str(), 1, nullptr, "", "", 0);
  EXPECT_TRUE(cut->GetClassId() == twin.GetClassId());

  VOKDlgFrame frame(nullptr, "Frame", 0);
  VOKDlgNotify box(nullptr, "Box", 0);
  EXPECT_EQ(VOKBaseUnknown::MetaObject(), frame.GetMetaObject()->GetBase()->GetBase()->GetBase());
  EXPECT_FALSE(frame.IsAKindOf("VOKDlgWindow"));
  EXPECT_TRUE(box.IsAKindOf("VOKDialog"));
  EXPECT_FALSE(box.IsAKindOf("VOKDlgDialog"));
}

}  // namespace
