// The host's message pump as a platform call. Long work (a running tool, a download) calls
// ProcessMessages between steps; the host installs what it means. Under the simulated host a
// test installs a pump that runs due timers and queued actions.
#pragma once

#include <functional>

namespace platform {

using MessagePump = std::function<void()>;

// Runs the installed pump once (nothing when none is installed).
void ProcessMessages();
// Installs `pump` and returns the previous one.
MessagePump SetMessagePump(MessagePump pump);

}  // namespace platform
