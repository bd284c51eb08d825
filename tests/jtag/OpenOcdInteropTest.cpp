// Interop with real JTAG software: OpenOCD replays an SVF recorded from ProgramDevice into a
// fresh simulated part over remote_bitbang, and reads the chain's IDCODE.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "JTagFixture.h"
#include "hostsim/SimRemoteBitbangServer.h"
#include "hostsim/SimSvfRecorder.h"

namespace {

std::string OpenOcdPath() {
  for (const char* candidate : {"/usr/bin/openocd", "/usr/local/bin/openocd"})
    if (std::filesystem::exists(candidate)) return candidate;
  return {};
}

#define REQUIRE_OPENOCD()                                                                          \
  const std::string openocd = OpenOcdPath();                                                       \
  if (openocd.empty()) {                                                                           \
    if (std::getenv("CI") != nullptr) FAIL() << "openocd is not installed (scripts/install-deps.sh)"; \
    GTEST_SKIP() << "openocd is not installed";                                                    \
  }

class OpenOcdInterop : public TJTagFixture {
 protected:
  // Runs openocd against `chain` served on a free loopback port; returns its log.
  std::string RunOpenOcd(const std::string& openocd, TSimJTagChain& chain, const std::vector<std::string>& commands) {
    TSimRemoteBitbangServer server(chain, 0);
    std::thread serving([&] { server.Serve(1); });
    const std::string log = (FFolder / "openocd.log").string();
    std::vector<std::string> argv = {openocd, "-l", log, "-c", "adapter driver remote_bitbang", "-c",
                                     "remote_bitbang host 127.0.0.1", "-c",
                                     "remote_bitbang port " + std::to_string(server.Port()), "-c",
                                     "transport select jtag"};
    for (const auto& command : commands) {
      argv.push_back("-c");
      argv.push_back(command);
    }
    argv.push_back("-c");
    argv.push_back("shutdown");
    int exitCode = -1;
    testing_support::RunProgram(argv, &exitCode);
    server.Stop();
    serving.join();
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(exitCode, 0) << text.str();
    return text.str();
  }
};

TEST_F(OpenOcdInterop, AnSvfRecordedFromProgramDeviceConfiguresAFreshPartThroughOpenOcd) {
  REQUIRE_OPENOCD();
  Attach();
  const std::string svf = (FFolder / "program.svf").string();
  {
    TSimSvfRecorder recorder(FBench->Chain(), svf);
    ASSERT_GT(Program(WriteFile("demo.bit", simbitstream::Build({.UserCode = 0x5EED0001u}))), 0);
  }
  ASSERT_TRUE(FBench->Part().Configured());

  TSimJTagChain fresh;
  TSimArtix7& part = fresh.Add(std::make_unique<TSimArtix7>(0x03631093u));
  const std::string log = RunOpenOcd(openocd, fresh,
                                     {"jtag newtap xc7 tap -irlen 6 -expected-id 0x13631093", "init", "svf " + svf});
  EXPECT_NE(log.find("svf file programmed successfully"), std::string::npos) << log;
  EXPECT_TRUE(part.Configured()) << part.Config().WhyNotConfigured();
  EXPECT_EQ(part.InstructionCapture() & 0x20u, 0x20u);  // DONE
  EXPECT_EQ(part.Config().UserCode(), 0x5EED0001u);
}

TEST_F(OpenOcdInterop, OpenOcdReadsThePartsIdcode) {
  REQUIRE_OPENOCD();
  TSimJTagChain chain;
  chain.Add(std::make_unique<TSimArtix7>(0x03636093u));  // an XC7A200T
  const std::string log = RunOpenOcd(openocd, chain, {"jtag newtap xc7 tap -irlen 6 -expected-id 0x13636093", "init"});
  EXPECT_NE(log.find("tap/device found: 0x13636093"), std::string::npos) << log;
  EXPECT_EQ(log.find("UNEXPECTED"), std::string::npos) << log;
}

}  // namespace
