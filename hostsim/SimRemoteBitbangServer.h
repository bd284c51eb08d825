// TSimRemoteBitbangServer: serves the simulated chain to other JTAG software over OpenOCD's
// remote_bitbang protocol on a loopback TCP port. Each byte the client sends is one command:
// '0'..'7' set TCK, TMS and TDI (bits 2, 1, 0; a rising TCK clocks the chain), 'R' asks for
// TDO ('0' or '1' back), 'r'..'u' set TRST and SRST ('t' and 'u' assert TRST), 'B'/'b' the
// LED, 'Q' ends the session. One client at a time.
#pragma once

#include <atomic>
#include <cstdint>

#include "hostsim/SimJTagChain.h"

class TSimRemoteBitbangServer {
 public:
  // Listens on 127.0.0.1:`port` (0: a free port, see Port()).
  TSimRemoteBitbangServer(TSimJTagChain& chain, std::uint16_t port);
  ~TSimRemoteBitbangServer();
  TSimRemoteBitbangServer(const TSimRemoteBitbangServer&) = delete;
  TSimRemoteBitbangServer& operator=(const TSimRemoteBitbangServer&) = delete;

  std::uint16_t Port() const { return FPort; }
  // Serves clients until Stop() (or `maxSessions` sessions, when not 0) ends it.
  void Serve(int maxSessions = 0);
  // Safe from another thread or a signal handler.
  void Stop() { FStopping.store(true); }

  std::uint64_t Clocks() const { return FClocks; }
  int Sessions() const { return FSessions; }

 private:
  // Serves one connection; false when the server is stopping.
  bool ServeClient(int client);
  bool WaitReadable(int fd) const;

  TSimJTagChain& FChain;
  int FListener = -1;
  std::uint16_t FPort = 0;
  std::atomic<bool> FStopping{false};
  std::uint64_t FClocks = 0;
  int FSessions = 0;
};
