// File: WebFrontEndLoader.h
// The web front end, loaded only when --web asks for it: its library pulls
// in the HTTP server with its TLS and compression libraries, which every
// other run would load for nothing. The library is found beside the front
// end's, which the program links (VOKFrontEndLibrarySymbol).
#pragma once

#include <functional>
#include <string>

#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok_demo {

// VOKWebFrontEnd::Run from the loaded library; 1 with the reason in
// problem when the library or its entry point cannot be loaded.
int RunWebFrontEnd(VOKDlgWindow& root, int port,
                   const std::function<void(const std::string& address)>& ready,
                   std::string& problem,
                   const std::function<void(const std::string& line)>& recorder);

}  // namespace vok_demo
