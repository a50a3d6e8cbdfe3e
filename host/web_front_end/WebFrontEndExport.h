// File: WebFrontEndExport.h
// Symbol visibility of the web front end library. Everything is hidden by
// default; only what carries VOK_WEB_FRONTEND_API is visible to hosts and
// tests.
#pragma once

#define VOK_WEB_FRONTEND_API __attribute__((visibility("default")))
