// File: VOKString.cpp
#include "base_runtime/VOKString.h"

#include <utility>

VOKString::VOKString(const char* text) : _text(text ? text : "") {}

VOKString::VOKString(std::string text) : _text(std::move(text)) {}

VOKString VOKString::operator+(const VOKString& other) const {
  return VOKString(_text + other._text);
}

VOKString VOKString::operator+(const char* other) const {
  return VOKString(_text + (other ? other : ""));
}
