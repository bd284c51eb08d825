// TSimCountingChannel: a chain object that carries nothing out and only counts the bits it is
// handed; it measures what the plug-in itself costs per bit. The state scan answers "configured".
#pragma once

#include <cstdint>

#include "host/ReferencedObject.h"

class TSimCountingChannel : public TDispatchObject {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  std::uint64_t Bits() const { return FBits; }
  std::uint64_t Calls() const { return FCalls; }

 private:
  std::uint64_t FBits = 0;
  std::uint64_t FCalls = 0;
};
