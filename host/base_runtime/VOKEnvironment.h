// File: VOKEnvironment.h
#pragma once

#include "base_runtime/HostExport.h"

// The value of an environment variable, or null when it is not set.
VOK_HOST_API const char* VOKGetEnv(const char* name);
