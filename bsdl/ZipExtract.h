// Extraction of boundary-scan description archives.
//
// Every file of the archive is written directly into the target folder: stored paths are
// dropped, existing files are overwritten. Archives are untrusted: no entry is written outside
// the folder, oversized entries and archives with too many entries are refused, and each file
// appears only once complete (written under a temporary name, then renamed).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::uint64_t kMaxZipEntrySize = 64ull << 20;
constexpr std::int64_t kMaxZipEntries = 4096;

// True when the archive was extracted without error; false (nothing written) for a missing
// or unreadable archive.
bool ExtractZipToFolder(const std::string& zipFile, const std::string& folder);
// The same for an archive held in memory.
bool ExtractZipBufferToFolder(const void* data, std::size_t size, const std::string& folder);

// The name an entry is written under: the last component of its stored name (after any '/',
// '\' or drive colon), or "" when the entry is to be skipped (folders, "", ".", "..").
std::string ZipEntryTargetName(const std::string& storedName);
