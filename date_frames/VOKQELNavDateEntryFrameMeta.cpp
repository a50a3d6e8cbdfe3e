// File: VOKQELNavDateEntryFrameMeta.cpp
// The entry frame's run-time class: asked of the host by the first
// meta-object operation that runs, then kept for the life of the process.
#include "date_frames/VOKQELNavDateEntryFrame.h"

VOKMetaClass* VOKQELNavDateEntryFrame::meta_object = nullptr;

VOKMetaClass* VOKQELNavDateEntryFrame::MetaObject() {
  if (meta_object == nullptr) {
    meta_object =
        fct_RetrieveMetaObject("VOKQELNavDateEntryFrame", 1, VOKDlgFrame::MetaObject(), "VOKNull",
                               "VOKImmQELCommon", sizeof(VOKQELNavDateEntryFrame));
  }
  return meta_object;
}

VOKMetaClass* VOKQELNavDateEntryFrame::GetMetaObject() const { return MetaObject(); }

const char* VOKQELNavDateEntryFrame::ClassName() { return MetaObject()->GetClassName(); }

const char* VOKQELNavDateEntryFrame::IsA() const { return ClassName(); }

int VOKQELNavDateEntryFrame::IsAKindOf(const char* name) const {
  return MetaObject()->IsAKindOf(name);
}

const _GUID& VOKQELNavDateEntryFrame::ClassId() { return MetaObject()->GetClassId(); }

// The class cannot be created by name.
VOKBaseUnknown* VOKQELNavDateEntryFrame::CreateItself() { return nullptr; }
