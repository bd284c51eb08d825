#include "bsdl/ZipExtract.h"

#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using TZipArchive = std::unique_ptr<zip_t, TZipCloser>;

struct TZipFileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

struct TEntry {
  zip_uint64_t Index;
  std::string Target;
  zip_uint64_t Size;
};

// Checks every entry before anything is written: a refused archive writes nothing.
bool CollectEntries(zip_t* archive, std::vector<TEntry>& entries) {
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  if (count < 0 || count > kMaxZipEntries) return false;
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0) return false;
    if ((st.valid & ZIP_STAT_NAME) == 0 || (st.valid & ZIP_STAT_SIZE) == 0) return false;
    if (st.size > kMaxZipEntrySize) return false;
    std::string target = ZipEntryTargetName(st.name);
    if (target.empty()) continue;
    entries.push_back({static_cast<zip_uint64_t>(i), std::move(target), st.size});
  }
  return true;
}

// Writes one entry under a temporary name in `folder` and renames it over the target.
bool ExtractEntry(zip_t* archive, const TEntry& entry, const fs::path& folder) {
  std::unique_ptr<zip_file_t, TZipFileCloser> in(zip_fopen_index(archive, entry.Index, 0));
  if (!in) return false;
  const fs::path target = folder / entry.Target;
  const fs::path temporary = folder / ("." + entry.Target + ".part");
  std::error_code ec;
  fs::remove(temporary, ec);  // never write through something left under that name
  bool ok = true;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    std::vector<char> buffer(64 * 1024);
    zip_uint64_t total = 0;
    for (;;) {
      const zip_int64_t n = zip_fread(in.get(), buffer.data(), buffer.size());
      if (n < 0) {  // read error or checksum mismatch
        ok = false;
        break;
      }
      if (n == 0) break;
      total += static_cast<zip_uint64_t>(n);
      if (total > entry.Size || total > kMaxZipEntrySize) {  // the entry lies about its size
        ok = false;
        break;
      }
      out.write(buffer.data(), n);
    }
    ok = ok && total == entry.Size && static_cast<bool>(out.flush());
  }
  if (ok) {
    fs::rename(temporary, target, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(temporary, ec);
  return ok;
}

bool ExtractArchive(zip_t* archive, const std::string& folder) {
  std::vector<TEntry> entries;
  if (!CollectEntries(archive, entries)) return false;
  std::error_code ec;
  const fs::path target = folder;
  if (!fs::is_directory(target, ec)) return false;
  bool ok = true;
  for (const TEntry& entry : entries) ok = ExtractEntry(archive, entry, target) && ok;
  return ok;
}

}  // namespace

std::string ZipEntryTargetName(const std::string& storedName) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < storedName.size(); ++i)
    if (storedName[i] == '/' || storedName[i] == '\\' || storedName[i] == ':') start = i + 1;
  std::string name = storedName.substr(start);
  if (name.empty() || name == "." || name == "..") return {};
  for (char c : name)
    if (c == '\0') return {};
  return name;
}

bool ExtractZipToFolder(const std::string& zipFile, const std::string& folder) {
  std::error_code ec;
  if (!fs::is_regular_file(zipFile, ec)) return false;
  int error = 0;
  TZipArchive archive(zip_open(zipFile.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!archive) return false;
  return ExtractArchive(archive.get(), folder);
}

bool ExtractZipBufferToFolder(const void* data, std::size_t size, const std::string& folder) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
  if (source == nullptr) {
    zip_error_fini(&error);
    return false;
  }
  TZipArchive archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!archive) {
    zip_source_free(source);
    zip_error_fini(&error);
    return false;
  }
  zip_error_fini(&error);
  return ExtractArchive(archive.get(), folder);
}
