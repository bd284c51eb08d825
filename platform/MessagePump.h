// The host's message pump as a platform call. Long work (a running tool, a download) calls
// ProcessMessages between steps. A pump installed with SetMessagePump comes first; otherwise
// the desktop of the hosting process runs (its QuillDesktop_ProcessMessages export, see
// Desktop.h): under the simulated host that runs due timers and queued actions.
#pragma once

#include <functional>

namespace platform {

using MessagePump = std::function<void()>;

// Runs the installed pump once, else the hosting process's one (nothing when neither exists).
void ProcessMessages();
// Installs `pump` and returns the previous one.
MessagePump SetMessagePump(MessagePump pump);

}  // namespace platform
