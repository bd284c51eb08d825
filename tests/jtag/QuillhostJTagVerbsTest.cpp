// The quillhost device verbs, run as a user runs them.
#include <gtest/gtest.h>

#include "JTagFixture.h"

namespace {

class QuillhostVerbs : public TJTagFixture {
 protected:
  std::string Run(std::vector<std::string> args, int* exitCode = nullptr) const {
    args.insert(args.begin(), testing_support::BinDir() + "/quillhost");
    return testing_support::RunProgram(args, exitCode);
  }
  std::vector<std::string> Sequence(const std::string& layout, const std::string& file) const {
    return {"--chain", layout, "state", "0", "+", "program", "0", file, "+", "state", "0", "+",
            "usercode", "0", "+", "reset", "0", "+", "state", "0"};
  }
  std::string MakeBitstream(const std::string& name, std::vector<std::string> options = {}) const {
    const std::string path = (FFolder / name).string();
    std::vector<std::string> args = {"make-bitstream", "0", path};
    args.insert(args.end(), options.begin(), options.end());
    int exitCode = -1;
    Run(args, &exitCode);
    EXPECT_EQ(exitCode, 0);
    return path;
  }
};

TEST_F(QuillhostVerbs, JoinedVerbsRunOnOneChainAtEveryPosition) {
  const std::string file = MakeBitstream("demo.bit", {"--user-code", "0xA5A5F00D"});
  const std::string bits = std::to_string(std::filesystem::file_size(file) * 8);
  for (const std::string layout : {"1:0", "3:1", "3:2"}) {
    int exitCode = -1;
    EXPECT_EQ(Run(Sequence(layout, file), &exitCode),
              "state=1\nbits=" + bits + " state=2\nstate=2\nusercode=0xA5A5F00D\nreset=true\nstate=1\n")
        << layout;
    EXPECT_EQ(exitCode, 0);
  }
}

TEST_F(QuillhostVerbs, TheSampleBitstreamAtTheEndOfALongChain) {
  const std::string sample = SamplePath("snake_top_vivado2019_7a100t.bit");
  if (sample.empty()) GTEST_SKIP() << "samples folder absent";
  EXPECT_EQ(Run(Sequence("3:2", sample)),
            "state=1\nbits=30607104 state=2\nstate=2\nusercode=0xFFFFFFFF\nreset=true\nstate=1\n");
}

TEST_F(QuillhostVerbs, AStreamForAnotherPartNamesTheIdcodeMismatch) {
  const std::string file = MakeBitstream("a100t.bit");
  EXPECT_EQ(Run({"program", "46", file}), "model: IDCODE mismatch: the stream is for 0x03631093, the part is 0x13636093\n"
                                          "bits=" + std::to_string(std::filesystem::file_size(file) * 8) + " state=1\n");
}

TEST_F(QuillhostVerbs, TheTextFormAndTheJtagClockConfigureToo) {
  const std::string text = MakeBitstream("demo.rbt", {"--text", "--jtag-clock"});
  const std::string out = Run({"program", "0", text, "+", "usercode", "0"});
  EXPECT_NE(out.find(" state=2\n"), std::string::npos) << out;
}

// Programming in the host: the hourglass is shown and restored around the progress record,
// whose caption the status bar shows and which advances up to its end.
TEST_F(QuillhostVerbs, ProgrammingShowsTheHostsCursorAndProgress) {
  const std::string file = MakeBitstream("demo.bit");
  const std::string log = Run({"--log", "program", "0", file});
  const auto position = [&log](const std::string& event) { return log.find("  " + event + "\n"); };
  const auto hourglass = position("ClientAPI.791(-11)");
  const auto caption = position("GUIManager.164(-5, \"Programming Device Via JTag...\")");
  const auto step = position("GUIManager.164(-7, \"\")");
  const auto end = position("GUIManager.164(-4, \"\")");
  const auto restore = position("ClientAPI.792()");
  ASSERT_NE(restore, std::string::npos) << log;
  EXPECT_LT(hourglass, caption) << log;
  EXPECT_LT(caption, step) << log;
  EXPECT_LT(step, end) << log;
  EXPECT_LT(end, restore) << log;
}

TEST_F(QuillhostVerbs, ABadChainLayoutIsRefused) {
  int exitCode = 0;
  EXPECT_EQ(Run({"--chain", "3:3", "state", "0"}, &exitCode), "");
  EXPECT_EQ(exitCode, 1);
}

}  // namespace
