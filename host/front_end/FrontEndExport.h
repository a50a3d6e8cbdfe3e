// File: FrontEndExport.h
// Symbol visibility of the terminal front end library. Everything is hidden
// by default; only what carries VOK_FRONTEND_API is visible to hosts, the
// web front end and tests.
#pragma once

#define VOK_FRONTEND_API __attribute__((visibility("default")))
