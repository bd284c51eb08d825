#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace platform {

bool FileExists(const std::string& path) {
  struct stat info{};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info{};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ExtractFilePath(std::string_view path) {
  const auto slash = path.rfind(kPathDelimiter);
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view path) {
  const auto slash = path.rfind(kPathDelimiter);
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string IncludeTrailingPathDelimiter(std::string_view folder) {
  std::string out(folder);
  if (out.empty() || out.back() != kPathDelimiter) out += kPathDelimiter;
  return out;
}

std::string ParentFolder(std::string_view folder) {
  std::string_view trimmed = folder;
  while (trimmed.size() > 1 && trimmed.back() == kPathDelimiter) trimmed.remove_suffix(1);
  return ExtractFilePath(trimmed);
}

std::string TempFolder() {
  const char* env = std::getenv("TMPDIR");
  std::string folder = env != nullptr && *env != '\0' ? env : "/tmp";
  std::error_code error;
  const auto resolved = std::filesystem::canonical(folder, error);
  if (!error) folder = resolved.string();
  return IncludeTrailingPathDelimiter(folder);
}

std::string NewUniqueFile(const std::string& folder, std::string_view prefix) {
  std::string pattern = IncludeTrailingPathDelimiter(folder) + std::string(prefix) + "XXXXXX";
  const int fd = mkstemp(pattern.data());
  if (fd < 0) return {};
  close(fd);
  return pattern;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::optional<std::string> ReadFirstLine(const std::string& path) {
  auto lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  return lines->empty() ? std::string() : lines->front();
}

namespace {

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = write(fd, content.data(), content.size());
    if (n <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::string_view content) {
  std::string folder = ExtractFilePath(path);
  if (folder.empty()) folder = "./";
  std::string temp = folder + "." + ExtractFileName(path) + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  struct stat existing{};
  // The new file keeps the permissions of the one it replaces.
  fchmod(fd, stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644);
  const bool written = WriteAll(fd, content) && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace platform
