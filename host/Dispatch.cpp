#include "host/Dispatch.h"

namespace dispatch {

const VARIANT& ArgumentAt(const DISPPARAMS* params, std::size_t index, std::size_t count) {
  // The host's array holds the arguments last-first: the first declared one is the last element.
  if (params == nullptr || params->rgvarg == nullptr || params->cArgs < count)
    throw EArgumentError("argument " + std::to_string(index + 1) + " of " + std::to_string(count) + " is missing");
  return params->rgvarg[params->cArgs - 1 - index];
}

TByRefFlag Arg<TByRefFlag>::Read(const VARIANT& v) {
  if ((v.vt & VT_BYREF) == 0 || v.byref == nullptr) throw EArgumentError("a by-reference flag was expected");
  return TByRefFlag{static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(v.byref))};
}

void Arg<TByRefFlag>::WriteBack(const VARIANT& v, const TByRefFlag& flag) {
  *v.pboolVal = flag.Cell != 0 ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace dispatch
