// File: VOKFrontEndLibraries.h
// Libraries that lie beside the front end's own and are loaded only when a
// run needs them: the terminal screen (ncurses) and the web front end (an
// HTTP server with TLS and compression). A run that plays a script or
// prints pictures loads neither.
#pragma once

#include <string>

#include "front_end/FrontEndExport.h"

/// The address of symbol in the library named fileName, loaded by full path
/// from the folder that holds the front end's own library (built and
/// installed, they stand together; the full path does not depend on whose
/// run path dlopen reads, which a sanitizer that wraps dlopen makes its
/// own). The library stays loaded until the program ends. nullptr, with the
/// loader's reason in problem, when the library or the symbol cannot be
/// loaded.
VOK_FRONTEND_API void* VOKFrontEndLibrarySymbol(const std::string& fileName, const char* symbol,
                                                std::string& problem);
