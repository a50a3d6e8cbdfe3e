// File: SessionFields.h
// Internal to the front end: the text of the fields a person types into.
#pragma once

#include <string>

#include "dialog_toolkit/VOKDialog.h"

namespace vok::session {

// The text an editor, combo field or spinner shows.
std::string FieldText(const VOKDialog& field);

}  // namespace vok::session
