// File: VOKInstalledData.h
// The project's data installed beside the host library: message catalogs,
// the web page's files. The build tree mirrors the installed layout, so
// that the same lookup serves both.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base_runtime/HostExport.h"

// <folder of libvokhost>/../share/vokdatepicker/<name>, or nullopt when the
// library cannot tell where it was loaded from.
VOK_HOST_API std::optional<std::filesystem::path> VOKInstalledDataFolder(std::string_view name);

// The whole contents of a file, or nullopt when it cannot be read.
VOK_HOST_API std::optional<std::string> VOKReadWholeFile(const std::filesystem::path& file);
