// The simulated host's event log: every call the plug-in makes on a host object (object,
// DISPID, arguments), every message box it shows and every call the host makes back into the
// plug-in's handlers, in order. Tests assert on it; `quillhost --log` prints it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/OleAuto.h"

struct THostEvent {
  std::string Object;  // "GUIManager", "QuillDevice", "JTagChannel", ...
  DISPID DispId = 0;
  // Arguments in declaration order: texts as they are, integers in decimal, Booleans as
  // "true"/"false", objects as "<object>" or "<none>".
  std::vector<std::string> Args;
  std::vector<bool> ArgIsText;

  // One line: Object.DispId(arg, "text", ...).
  std::string Text() const;
};

class THostEventLog {
 public:
  // Records a call from the arguments the plug-in packed (held last-first).
  void Record(std::string_view object, DISPID id, const DISPPARAMS* params);
  void Add(THostEvent event);
  void Clear() { FEvents.clear(); }

  const std::vector<THostEvent>& Events() const { return FEvents; }
  // The events on `object` (with `id`, when given) in order.
  std::vector<THostEvent> Calls(std::string_view object, DISPID id = 0) const;
  std::size_t Count(std::string_view object, DISPID id = 0) const { return Calls(object, id).size(); }
  // The text lines of the events on the given objects (all objects when `objects` is empty).
  std::vector<std::string> Lines(const std::vector<std::string>& objects = {}) const;
  std::string Dump() const;

 private:
  std::vector<THostEvent> FEvents;
};

// The log's text form of one argument.
std::string EventArgumentText(const VARIANT& value, bool* isText = nullptr);
