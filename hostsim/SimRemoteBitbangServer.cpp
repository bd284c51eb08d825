#include "hostsim/SimRemoteBitbangServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "host/QuillError.h"

namespace {
constexpr int kPollMs = 100;
}

TSimRemoteBitbangServer::TSimRemoteBitbangServer(TSimJTagChain& chain, std::uint16_t port) : FChain(chain) {
  FListener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (FListener < 0) throw EQuillError(std::string("socket: ") + std::strerror(errno));
  const int yes = 1;
  ::setsockopt(FListener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(FListener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(FListener, 1) != 0) {
    const std::string reason = std::strerror(errno);
    ::close(FListener);
    throw EQuillError("cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + reason);
  }
  socklen_t length = sizeof address;
  ::getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length);
  FPort = ntohs(address.sin_port);
}

TSimRemoteBitbangServer::~TSimRemoteBitbangServer() {
  if (FListener >= 0) ::close(FListener);
}

bool TSimRemoteBitbangServer::WaitReadable(int fd) const {
  while (!FStopping.load()) {
    pollfd entry{fd, POLLIN, 0};
    const int ready = ::poll(&entry, 1, kPollMs);
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
  return false;
}

void TSimRemoteBitbangServer::Serve(int maxSessions) {
  while (!FStopping.load() && (maxSessions == 0 || FSessions < maxSessions)) {
    if (!WaitReadable(FListener)) break;
    const int client = ::accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    ++FSessions;
    const int yes = 1;
    ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    const bool goOn = ServeClient(client);
    ::close(client);
    if (!goOn) break;
  }
}

bool TSimRemoteBitbangServer::ServeClient(int client) {
  char input[65536];
  std::string output;
  bool tck = false;
  for (;;) {
    if (!output.empty()) {
      const char* data = output.data();
      std::size_t left = output.size();
      while (left > 0) {
        const ssize_t sent = ::send(client, data, left, MSG_NOSIGNAL);
        if (sent <= 0) return !FStopping.load();
        data += sent;
        left -= static_cast<std::size_t>(sent);
      }
      output.clear();
    }
    if (!WaitReadable(client)) return false;
    const ssize_t received = ::recv(client, input, sizeof input, 0);
    if (received <= 0) return true;  // the client went away
    for (ssize_t i = 0; i < received; ++i) {
      const char c = input[i];
      if (c >= '0' && c <= '7') {
        const int value = c - '0';
        const bool newTck = (value & 4) != 0;
        if (newTck && !tck) {
          FChain.Clock((value & 2) != 0, (value & 1) != 0);
          ++FClocks;
        }
        tck = newTck;
      } else if (c == 'R') {
        output.push_back(FChain.Tdo() ? '1' : '0');
      } else if (c == 't' || c == 'u') {
        FChain.TestReset();
      } else if (c == 'Q') {
        return true;
      }
      // 'B', 'b', 'r', 's' and anything else: nothing the chain needs to do.
    }
  }
}
