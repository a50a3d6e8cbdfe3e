// File: HostExport.h
// Symbol visibility of the stand-in host library. Everything is hidden by
// default; only what carries VOK_HOST_API is visible to the module and tests.
#pragma once

#define VOK_HOST_API __attribute__((visibility("default")))
