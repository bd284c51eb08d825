#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "support/TempFolder.h"

TEST(Files, PathPieces) {
  EXPECT_EQ(platform::ExtractFilePath("/a/b/c.txt"), "/a/b/");
  EXPECT_EQ(platform::ExtractFilePath("c.txt"), "");
  EXPECT_EQ(platform::ExtractFileName("/a/b/c.txt"), "c.txt");
  EXPECT_EQ(platform::IncludeTrailingPathDelimiter("/a"), "/a/");
  EXPECT_EQ(platform::IncludeTrailingPathDelimiter("/a/"), "/a/");
  EXPECT_EQ(platform::ParentFolder("/a/b/"), "/a/");
  EXPECT_EQ(platform::ParentFolder("/a/b"), "/a/");
}

TEST(Files, TempFolderFollowsTheEnvironment) {
  testing_support::TTempFolder folder;
  const char* previous = std::getenv("TMPDIR");
  const std::string saved = previous != nullptr ? previous : "";
  setenv("TMPDIR", folder.Path().c_str(), 1);
  EXPECT_EQ(platform::TempFolder(), folder.Path());
  const std::string file = platform::NewUniqueFile(platform::TempFolder(), "Pro");
  EXPECT_EQ(file.rfind(folder.Path() + "Pro", 0), 0u) << file;
  EXPECT_TRUE(platform::FileExists(file));
  EXPECT_NE(platform::NewUniqueFile(platform::TempFolder(), "Pro"), file);
  unsetenv("TMPDIR");
  EXPECT_EQ(platform::TempFolder(), std::filesystem::canonical("/tmp").string() + "/");
  if (previous != nullptr) setenv("TMPDIR", saved.c_str(), 1);
  EXPECT_EQ(platform::NewUniqueFile(folder.Path() + "missing/", "Pro"), "");
}

TEST(Files, ReplacingAFileLeavesNoHalfWrittenState) {
  testing_support::TTempFolder folder;
  const std::string target = folder.Write("out.cmd", "old\n");
  chmod(target.c_str(), 0640);
  ASSERT_TRUE(platform::WriteFileReplacing(target, "new line 1\nnew line 2\n"));
  EXPECT_EQ(*platform::ReadTextLines(target), (std::vector<std::string>{"new line 1", "new line 2"}));
  struct stat info{};
  stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);  // the replacement keeps the permissions
  // Nothing but the target is left in the folder.
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 1u);
  // A folder that does not exist: failure, no file.
  EXPECT_FALSE(platform::WriteFileReplacing(folder.Path() + "missing/out.cmd", "x"));
}

TEST(Files, ReadsLinesOfEitherEnding) {
  testing_support::TTempFolder folder;
  const std::string file = folder.Write("lines.txt", "a\r\nb\nc");
  EXPECT_EQ(*platform::ReadTextLines(file), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(*platform::ReadFirstLine(file), "a");
  EXPECT_FALSE(platform::ReadTextLines(folder.Path() + "none.txt"));
}
