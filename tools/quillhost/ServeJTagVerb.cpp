// quillhost serve-jtag KIND --port P: serves the simulated chain to other JTAG software over
// OpenOCD's remote_bitbang protocol until SIGINT, then prints the part's state.
#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <memory>

#include "hostsim/SimArtix7Bench.h"
#include "hostsim/SimRemoteBitbangServer.h"
#include "tools/quillhost/DeviceVerbs.h"
#include "tools/quillhost/SimulatedChain.h"
#include "tools/quillhost/Verbs.h"

namespace {

TSimRemoteBitbangServer* gServing = nullptr;

extern "C" void StopServing(int) {
  if (gServing != nullptr) gServing->Stop();
}

void Serve(std::int32_t kind, int port) {
  ChainDriver(kind);
  TSimRemoteBitbangServer server(ProcessChain(kind).Chain(), static_cast<std::uint16_t>(port));
  gServing = &server;
  auto previousInt = std::signal(SIGINT, StopServing);
  auto previousTerm = std::signal(SIGTERM, StopServing);
  std::fprintf(stderr, "remote_bitbang: serving the simulated chain on 127.0.0.1:%u (Ctrl-C ends)\n", server.Port());
  std::fflush(stderr);
  server.Serve();
  std::signal(SIGINT, previousInt);
  std::signal(SIGTERM, previousTerm);
  gServing = nullptr;
  std::fprintf(stderr, "remote_bitbang: %d session(s), %llu TCK cycles\n", server.Sessions(),
               static_cast<unsigned long long>(server.Clocks()));
  std::printf("state=%d\n", DriverDeviceState(kind));
}

TVerbRegistration registration{"serve-jtag", "serve the simulated chain over OpenOCD's remote_bitbang protocol",
                               [](CLI::App& cmd) {
                                 auto kind = std::make_shared<std::int32_t>(0);
                                 auto port = std::make_shared<int>(4567);
                                 AddKindArgument(cmd, *kind);
                                 cmd.add_option("--port", *port, "loopback TCP port (0: any free one)")
                                     ->check(CLI::Range(0, 65535));
                                 return [kind, port] { Serve(*kind, *port); };
                               }};

}  // namespace
