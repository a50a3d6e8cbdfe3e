// File: DemoRun.h
// Chooses how the example host meets its user: a script file; a web
// browser (--web); the terminal front end; a script piped to standard
// input; or, with none of these, a built-in script that opens the calendar
// from the first field and answers OK, printing a picture after each step.
#pragma once

#include <iosfwd>

#include "demo/DemoOptions.h"
#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok_demo {

// The program's exit status: 0 done, 1 a script line, the terminal or
// the web server failed, 2 the script file cannot be read or the record
// file cannot be written.
int RunDemo(VOKDlgWindow& form, const DemoOptions& options, std::ostream& out,
            std::ostream& errors);

}  // namespace vok_demo
