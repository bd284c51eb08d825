// The folders the plug-in works with. Every folder ends in the path separator.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Folder of the plug-in's own file.
std::string PluginFolder();
// PluginFolder + "Library/".
std::string PluginLibraryFolder();
// Folder of the host's executable (letter case kept: file systems here are case-sensitive).
std::string HostFolder();
// HostFolder + "System/".
std::string HostSystemFolder();
// The folder holding the host's toolchain-manager file: HostSystemFolder when it holds it,
// else the first registered plug-in folder that does, else the separator alone.
std::string EmbeddedExtensionFolder();
constexpr const char* kToolchainManagerFile = "ToolchainManager.ini";
// HostSystemFolder + name when that file exists, else the first registered plug-in folder
// holding it (+ name), else "".
std::string FindHostFile(std::string_view name);
// The system's temporary folder and a new unique file in it (prefix "Pro"; "" on failure).
std::string TempFolder();
std::string NewTempFileName();
// True when `path` has no drive colon and starts with neither two backslashes nor "/".
bool IsRelativePath(std::string_view path);

// A host module by file name: the one the process has loaded already, else the file that
// FindHostFile finds, loaded; null when neither works. The caller frees the handle.
void* LoadHostModule(const std::string& name);

// The folders of the host's plug-in registry in registry order, skipped entries left out.
std::vector<std::string> RegisteredPluginFolders();

// Where the host executable is taken to be; a test points the host folder elsewhere with
// this ("" restores the executable's folder).
void SetHostFolderOverride(std::string folder);
