#include "hostsim/HostEventLog.h"

#include <algorithm>

#include "host/Variant.h"
#include "platform/Text.h"

std::string EventArgumentText(const VARIANT& in, bool* isText) {
  if (isText != nullptr) *isText = false;
  const VARTYPE type = static_cast<VARTYPE>(in.vt & ~VT_BYREF);
  if (type == VT_DISPATCH) {
    IDispatch* object = (in.vt & VT_BYREF) != 0 ? (in.ppdispVal != nullptr ? *in.ppdispVal : nullptr) : in.pdispVal;
    return object != nullptr ? "<object>" : "<none>";
  }
  if (type == VT_EMPTY) return "<empty>";
  if (type == VT_BOOL) return VariantToBool(in) ? "true" : "false";
  if (type == VT_BSTR && isText != nullptr) *isText = true;
  try {
    return VariantToString(in);
  } catch (...) {
    return "<vt " + text::FormatInt(in.vt) + ">";
  }
}

std::string THostEvent::Text() const {
  std::string line = Object + "." + text::FormatInt(DispId) + "(";
  for (std::size_t i = 0; i < Args.size(); ++i) {
    if (i > 0) line += ", ";
    line += i < ArgIsText.size() && ArgIsText[i] ? "\"" + Args[i] + "\"" : Args[i];
  }
  return line + ")";
}

void THostEventLog::Record(std::string_view object, DISPID id, const DISPPARAMS* params) {
  THostEvent event{std::string(object), id, {}, {}};
  if (params != nullptr && params->rgvarg != nullptr) {
    for (UINT i = params->cArgs; i > 0; --i) {  // last-first: the first declared is the last element
      bool isText = false;
      event.Args.push_back(EventArgumentText(params->rgvarg[i - 1], &isText));
      event.ArgIsText.push_back(isText);
    }
  }
  FEvents.push_back(std::move(event));
}

void THostEventLog::Add(THostEvent event) { FEvents.push_back(std::move(event)); }

std::vector<THostEvent> THostEventLog::Calls(std::string_view object, DISPID id) const {
  std::vector<THostEvent> out;
  for (const THostEvent& e : FEvents)
    if (e.Object == object && (id == 0 || e.DispId == id)) out.push_back(e);
  return out;
}

std::vector<std::string> THostEventLog::Lines(const std::vector<std::string>& objects) const {
  std::vector<std::string> out;
  for (const THostEvent& e : FEvents)
    if (objects.empty() || std::find(objects.begin(), objects.end(), e.Object) != objects.end())
      out.push_back(e.Text());
  return out;
}

std::string THostEventLog::Dump() const {
  std::string out;
  for (const THostEvent& e : FEvents) out += e.Text() + "\n";
  return out;
}
