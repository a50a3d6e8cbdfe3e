// File: VOKDlgClasses.h
// Internal to the host library. Run-time descriptors of the toolkit's
// classes, each registered with its chain of bases on first request.
#pragma once

class VOKMetaClass;

// The descriptor of a toolkit class ("VOKDialog", "VOKDlgSpinner", ...,
// and "VOKCommand"), or null for a name the toolkit does not define.
VOKMetaClass* VOKDlgClassMeta(const char* className);
