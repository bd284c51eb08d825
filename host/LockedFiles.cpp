#include "host/LockedFiles.h"

#include "host/HostClient.h"
#include "host/HostIdentity.h"
#include "host/HostManagers.h"
#include "host/QuillError.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

constexpr DISPID kDocument_BeginModify = 100;
constexpr DISPID kDocument_EndModify = 101;
constexpr std::int32_t kLockedFileImageIndex = 73;

// The value of the first line that starts with `prefix`.
std::optional<std::string> ValueOf(const std::vector<std::string>& lines, std::string_view prefix) {
  for (const std::string& line : lines)
    if (line.starts_with(prefix)) return std::string(text::Trim(std::string_view(line).substr(prefix.size())));
  return std::nullopt;
}

}  // namespace

std::string LockFileName(const std::string& fileName) {
  return platform::ExtractFilePath(fileName) + "~$" + platform::ExtractFileName(fileName) + "_loc";
}

std::optional<TFileOwnershipDetails> ReadFileOwnership(const std::string& lockFileName) {
  const auto lines = platform::ReadTextLines(lockFileName);
  if (!lines) throw EQuillError("cannot read the lock file " + lockFileName);
  auto computer = ValueOf(*lines, "ComputerName=");
  auto user = ValueOf(*lines, "UserName=");
  auto process = ValueOf(*lines, "ProcessID=");
  if (!computer || !user || !process) return std::nullopt;
  return TFileOwnershipDetails{std::move(*computer), std::move(*user), std::move(*process)};
}

bool IsLockedByOther(const std::string& fileName, std::string& computer, std::string& user) {
  computer.clear();
  user.clear();
  const std::string lockFile = LockFileName(fileName);
  if (!platform::FileExists(lockFile)) return false;
  try {
    const auto owner = ReadFileOwnership(lockFile);
    if (!owner) return false;
    computer = owner->ComputerName;
    user = owner->UserName;
    return !text::EqualsNoCase(owner->ComputerName, ThisComputerName()) ||
           !text::EqualsNoCase(owner->UserName, ThisUserName()) || owner->ProcessID != ThisProcessID();
  } catch (...) {
    return true;
  }
}

void ReportLockedFile(const std::string& fileName, const std::string& computer, const std::string& user) {
  const TClient client = HostClient();
  if (client.ClientAPI().SuppressLockedFileReports()) return;
  TMessage message;
  message.Class = "[Locked File]";
  message.Text = platform::ExtractFileName(fileName) + " is used by " + user + " on " + computer +
                 ". You will not be able to save your changes.";
  message.Source = client.SourceName();
  message.Document = fileName;
  message.CallBackProcess = "WorkspaceManager:OpenObject";
  message.CallBackParameters = "FileName=" + fileName;
  message.ImageIndex = kLockedFileImageIndex;
  HostMessagesManager().AddMessage(message);
}

bool SaveTextFile(const std::vector<std::string>& lines, const std::string& target) {
  std::string computer, user;
  if (IsLockedByOther(target, computer, user)) {
    ReportLockedFile(target, computer, user);
    return false;
  }
  std::string content;
  for (const std::string& line : lines) content += line + "\n";
  const THostObject document(HostClient().OpenDocument(target));
  document.CallIfAssigned(kDocument_BeginModify);
  const bool written = platform::WriteFileReplacing(target, content);
  document.CallIfAssigned(kDocument_EndModify);
  if (!written) throw EQuillError("cannot write " + target);
  return true;
}
