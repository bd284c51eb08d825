// How the bytes a program writes become the lines the console runner hands on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/OutputLineAssembler.h"

namespace {

// "N:text" for a new line, "U:text" for an update.
using TLines = std::vector<std::string>;

struct TAssembled {
  TLines Lines;
  int Flushes = 0;
};

// Feeds `output` in pieces of `piece` bytes (0 = all at once), then ends the program.
TAssembled Assemble(const std::string& output, std::size_t piece = 0) {
  TAssembled result;
  TOutputLineAssembler lines(
      [&](TLineKind kind, const std::string& line) {
        result.Lines.push_back((kind == TLineKind::New ? "N:" : "U:") + line);
      },
      [&] { ++result.Flushes; });
  if (piece == 0) piece = output.size() + 1;
  for (std::size_t i = 0; i < output.size(); i += piece) lines.Feed(std::string_view(output).substr(i, piece));
  lines.Finish();
  return result;
}

struct TCase {
  const char* Name;
  std::string Output;
  TLines Expected;
};

const std::string k600(600, 'x');
const std::string k513(513, 'y');

const TCase kCases[] = {
    {"TwoCrLfLines", "a\r\nb\r\n", {"N:a", "N:b"}},
    {"LoneCrMakesAnUpdate", "first\rsecond\r\nthird\r\n", {"N:first", "U:second", "N:third"}},
    {"ProgressCounter", "10%\r20%\r30%\r\ndone\r\n", {"N:10%", "U:20%", "U:30%", "N:done"}},
    {"BlankCrLfLines", "\r\n\r\n", {"N:", "N:"}},
    {"BlankLinesBetweenText", "a\r\n\r\nb\r\n", {"N:a", "N:", "N:b"}},
    {"LineFeedOnlyLines", "x\ny\n", {"N:x", "N:y"}},
    {"LineFeedOnlyBlankLine", "x\n\ny\n", {"N:x", "N:", "N:y"}},
    {"LoneCrThenLineFeedOnly", "50%\r60%\n", {"N:50%", "U:60%"}},
    {"LastLineWithoutEnd", "a\r\nrest", {"N:a", "N:rest"}},
    {"NothingAtAll", "", {}},
    {"LongLineIsCutAndTheRestFollowsAsNewLine", k600, {"N:" + k600.substr(0, 513), "N:" + k600.substr(513)}},
    {"LongLineEndedByLineFeed", k600 + "\n", {"N:" + k600.substr(0, 513), "N:" + k600.substr(513)}},
    {"ExactlyMaxLengthThenCrLfGivesNoEmptyLine", k513 + "\r\nnext\r\n", {"N:" + k513, "N:next"}},
    {"ExactlyMaxLengthThenLineFeed", k513 + "\nnext\n", {"N:" + k513, "N:next"}},
    {"FileLineJoinsTheNextOne", "File: top.vhd\r\n   line 12: syntax error  \r\n",
     {"N:File: top.vhd: line 12: syntax error"}},
    {"NotFoundLineJoinsTheNextOne", "constraint file Not found\r\nboard.ucf\r\n",
     {"N:constraint file Not found: board.ucf"}},
    {"LaterHeldBackTextReplacesEarlier", "File: a\r\nFile: b\r\nmsg\r\n", {"N:File: b: msg"}},
    {"HeldBackTextAtTheEndIsDropped", "ok\r\nFile: last\r\n", {"N:ok"}},
    {"HeldBackMatchIsCaseSensitive", "file: a\r\nfile not found\r\n", {"N:file: a", "N:file not found"}},
    {"NotFoundOnlyAtTheEnd", "file Not found here\r\n", {"N:file Not found here"}},
    {"BytesPassUnchanged", "\xC3\xA9\x01\t \x7F\r\n", {"N:\xC3\xA9\x01\t \x7F"}},
};

void PrintTo(const TCase& c, std::ostream* os) { *os << c.Name; }

class OutputLineAssemblerTest : public testing::TestWithParam<TCase> {};

TEST_P(OutputLineAssemblerTest, GivesTheExpectedLinesHoweverTheOutputIsSplit) {
  const TCase& c = GetParam();
  EXPECT_EQ(Assemble(c.Output).Lines, c.Expected);
  for (std::size_t piece : {1u, 2u, 7u, 512u}) EXPECT_EQ(Assemble(c.Output, piece).Lines, c.Expected) << "pieces of " << piece;
}

INSTANTIATE_TEST_SUITE_P(Outputs, OutputLineAssemblerTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TCase>& info) { return std::string(info.param.Name); });

TEST(OutputLineAssembler, EveryEndedLineCountsAsOutputIncludingHeldBackOnes) {
  EXPECT_EQ(Assemble("a\r\nFile: x\r\nb\r\n").Flushes, 3);
  EXPECT_EQ(Assemble("").Flushes, 0);
}

TEST(OutputLineAssembler, NoLineIsLongerThanTheMaximum) {
  const TAssembled result = Assemble(std::string(5000, 'z') + "\r\n");
  ASSERT_EQ(result.Lines.size(), 10u);
  std::size_t total = 0;
  for (const std::string& line : result.Lines) {
    EXPECT_LE(line.size() - 2, TOutputLineAssembler::kMaxLineLength);
    total += line.size() - 2;
  }
  EXPECT_EQ(total, 5000u);
}

}  // namespace
