// File: VOKEnvironment.cpp
#include "base_runtime/VOKEnvironment.h"

#include <cstdlib>

const char* VOKGetEnv(const char* name) { return name ? std::getenv(name) : nullptr; }
