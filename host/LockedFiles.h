// Files the host may hold open. The host marks a file F it has open with a lock file beside
// it, F's folder + "~$" + F's name + "_loc", holding the lines "ComputerName=...",
// "UserName=..." and "ProcessID=..." of its owner.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TFileOwnershipDetails {
  std::string ComputerName;
  std::string UserName;
  std::string ProcessID;
};

std::string LockFileName(const std::string& fileName);
// The three owner values of a lock file; none when a line is missing. Throws when the file
// exists but cannot be read.
std::optional<TFileOwnershipDetails> ReadFileOwnership(const std::string& lockFileName);

// True when F's lock file names another computer, user or process (names compared without
// case). A lock file that lacks one of its lines does not lock; one that cannot be read does.
bool IsLockedByOther(const std::string& fileName, std::string& computer, std::string& user);
// Posts "[Locked File]" to the host's messages panel (unless the host asks not to).
void ReportLockedFile(const std::string& fileName, const std::string& computer, const std::string& user);
// Writes `lines` to `target` unless another holds it open (then reports it and answers false).
// An open host document of the target is told before and after the change. The target is
// replaced whole or not at all; a failed write raises EQuillError.
bool SaveTextFile(const std::vector<std::string>& lines, const std::string& target);
