// File: ModuleExport.h
// The module library exports its five classes and their data; everything
// else stays hidden.
#pragma once

#define VOK_MODULE_API __attribute__((visibility("default")))
