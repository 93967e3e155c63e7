#pragma once
#include <string>

namespace brenvik::app {

// The program's identity as its version information gives it.
inline constexpr const char* Title = "Brenvik";
inline constexpr const char* ProductName = "Brenvik";
inline constexpr const char* CompanyName = "Talvenmoore";
inline constexpr const char* LegalCopyright = "Copyright (C) 2026 Talvenmoore";
inline constexpr const char* ExeName = "brenvik";
inline constexpr int VersionMajor = BRENVIK_VERSION_MAJOR;
inline constexpr int VersionMinor = BRENVIK_VERSION_MINOR;
inline constexpr int VersionRevision = BRENVIK_VERSION_PATCH;

}  // namespace brenvik::app
