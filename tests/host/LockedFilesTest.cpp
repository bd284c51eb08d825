#include "host/LockedFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "host/HostIdentity.h"
#include "platform/Text.h"
#include "platform/Files.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

using testing_support::TTempFolder;

namespace {

std::string LockText(const std::string& computer, const std::string& user, const std::string& process) {
  return "ComputerName=" + computer + "\r\nUserName=" + user + "\r\nProcessID=" + process + "\r\n";
}

}  // namespace

class LockedFiles : public testing_support::THostTest {
 protected:
  TTempFolder Folder;
  std::string Target = Folder.Write("design.ucf", "old\n");
  void Lock(const std::string& text) { Folder.Write("~$design.ucf_loc", text); }
};

TEST_F(LockedFiles, LockFileNameSitsBesideTheFile) {
  EXPECT_EQ(LockFileName("/p/q/design.ucf"), "/p/q/~$design.ucf_loc");
}

TEST_F(LockedFiles, WhoCountsAsAnotherOwner) {
  struct TCase {
    const char* Name;
    std::string Text;
    bool Locked;
  } cases[] = {
      {"this process", LockText(ThisComputerName(), ThisUserName(), ThisProcessID()), false},
      {"names in another case", LockText(text::UpperAscii(ThisComputerName()), text::UpperAscii(ThisUserName()),
                                         ThisProcessID()), false},
      {"another process", LockText(ThisComputerName(), ThisUserName(), "999999999"), true},
      {"another user", LockText(ThisComputerName(), "somebody", ThisProcessID()), true},
      {"another computer", LockText("FARAWAY", ThisUserName(), ThisProcessID()), true},
      {"missing process line", "ComputerName=FARAWAY\nUserName=somebody\n", false},
      {"empty lock file", "", false},
  };
  for (const TCase& c : cases) {
    Lock(c.Text);
    std::string computer, user;
    EXPECT_EQ(IsLockedByOther(Target, computer, user), c.Locked) << c.Name;
  }
}

TEST_F(LockedFiles, NoLockFileIsNotLocked) {
  std::string computer = "x", user = "y";
  EXPECT_FALSE(IsLockedByOther(Target, computer, user));
  EXPECT_EQ(computer, "");
}

TEST_F(LockedFiles, AnUnreadableLockFileCountsAsLocked) {
  Lock("");
  const std::string lockFile = LockFileName(Target);
  ASSERT_EQ(chmod(lockFile.c_str(), 0), 0);
  if (platform::ReadTextLines(lockFile)) GTEST_SKIP() << "running with rights that read any file";
  std::string computer, user;
  EXPECT_TRUE(IsLockedByOther(Target, computer, user));
}

TEST_F(LockedFiles, SavingOntoAFileLockedByAnotherWritesNothingAndReportsOnce) {
  Lock(LockText("FARAWAY", "somebody", "42"));
  EXPECT_FALSE(SaveTextFile({"new"}, Target));
  EXPECT_EQ(*platform::ReadTextLines(Target), std::vector<std::string>{"old"});
  const auto& messages = Host.Messages().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Class, "[Locked File]");
  EXPECT_EQ(messages[0].Text, "design.ucf is used by somebody on FARAWAY. You will not be able to save your changes.");
  EXPECT_EQ(messages[0].Source, "Quill");
  EXPECT_EQ(messages[0].Document, Target);
  EXPECT_EQ(messages[0].CallBackProcess, "WorkspaceManager:OpenObject");
  EXPECT_EQ(messages[0].CallBackParameters, "FileName=" + Target);
  EXPECT_EQ(messages[0].ImageIndex, 73);
}

TEST_F(LockedFiles, TheHostCanAskNotToBeToldAboutLockedFiles) {
  Host.ClientAPI().SetSuppressLockedFileReports(true);
  ReportLockedFile(Target, "FARAWAY", "somebody");
  EXPECT_TRUE(Host.Messages().Messages().empty());
}

TEST_F(LockedFiles, SavingTellsTheOpenDocumentBeforeAndAfter) {
  const auto document = Host.Client().OpenDocumentFor(Target);
  EXPECT_TRUE(SaveTextFile({"line 1", "line 2"}, Target));
  EXPECT_EQ(*platform::ReadTextLines(Target), (std::vector<std::string>{"line 1", "line 2"}));
  EXPECT_EQ(Host.Log().Lines({"Document"}), (std::vector<std::string>{"Document.100()", "Document.101()"}));
  EXPECT_EQ(document->ChangeDepth(), 0);
}

TEST_F(LockedFiles, AFailedWriteIsAnErrorAndStillClosesTheDocumentBracket) {
  const std::string target = Folder.Path() + "missing/out.cmd";
  Host.Client().OpenDocumentFor(target);
  EXPECT_THROW(SaveTextFile({"x"}, target), EQuillError);
  EXPECT_EQ(Host.Log().Lines({"Document"}), (std::vector<std::string>{"Document.100()", "Document.101()"}));
}

TEST(LockedFilesWithoutHost, SaveWritesTheFile) {
  TTempFolder folder;
  const std::string target = folder.Sub("plain.txt");
  EXPECT_TRUE(SaveTextFile({"a"}, target));
  EXPECT_EQ(*platform::ReadTextLines(target), std::vector<std::string>{"a"});
}
