// Files and folders: existence checks, path pieces, the temporary folder and whole-file text
// reading and writing. Folders returned by this layer end in the native separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

constexpr char kPathDelimiter = '/';

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// The folder part of `path` including its final separator ("" when there is none).
std::string ExtractFilePath(std::string_view path);
// The file-name part of `path` (everything after the last separator).
std::string ExtractFileName(std::string_view path);
std::string IncludeTrailingPathDelimiter(std::string_view folder);
// The folder above `folder` (which may or may not end in a separator), with its separator.
std::string ParentFolder(std::string_view folder);

// The folder the environment names for temporary files (TMPDIR, else /tmp), resolved.
std::string TempFolder();
// Creates a new empty file with a unique name in `folder` whose name starts with `prefix`;
// "" when that fails.
std::string NewUniqueFile(const std::string& folder, std::string_view prefix);

// The lines of a text file (CR LF or LF endings, no final empty line); none when unreadable.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);
// The first line of a text file; none when unreadable.
std::optional<std::string> ReadFirstLine(const std::string& path);
// Replaces `path` with `content` without ever leaving a half-written file: the text goes to a
// temporary file in the same folder, which is then renamed over the target. False on failure
// (the target is then untouched).
bool WriteFileReplacing(const std::string& path, std::string_view content);

}  // namespace platform
