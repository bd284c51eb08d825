#include "platform/MessagePump.h"

namespace platform {

namespace {
MessagePump& InstalledPump() {
  static MessagePump pump;
  return pump;
}
}  // namespace

void ProcessMessages() {
  if (MessagePump& pump = InstalledPump()) pump();
}

MessagePump SetMessagePump(MessagePump pump) {
  MessagePump previous = std::move(InstalledPump());
  InstalledPump() = std::move(pump);
  return previous;
}

}  // namespace platform
