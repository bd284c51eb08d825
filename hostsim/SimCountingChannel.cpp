#include "hostsim/SimCountingChannel.h"

HRESULT STDMETHODCALLTYPE TSimCountingChannel::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                                      VARIANT* result, EXCEPINFO*, UINT*) {
  ++FCalls;
  const auto arg = [params](UINT fromLast) -> const VARIANT* {
    return params != nullptr && fromLast < params->cArgs ? &params->rgvarg[fromLast] : nullptr;
  };
  switch (id) {
    case 503585:  // ShiftBitString(Bits, ExitShift)
      if (const VARIANT* bits = arg(1); bits != nullptr && bits->vt == VT_BSTR) FBits += SysStringLen(bits->bstrVal);
      return S_OK;
    case 503583:  // ShiftBits(Value, Count, ExitShift)
      if (const VARIANT* count = arg(1); count != nullptr && count->vt == VT_I4 && count->lVal > 0)
        FBits += static_cast<std::uint64_t>(count->lVal);
      return S_OK;
    case 503425:  // Open
      if (result != nullptr) {
        VariantClear(result);
        result->vt = VT_BOOL;
        result->boolVal = VARIANT_TRUE;
      }
      return S_OK;
    case 503602:  // ScanInstruction: DONE and INIT set
    case 503599:  // ScanData
      if (result != nullptr) {
        VariantClear(result);
        result->vt = VT_I4;
        result->lVal = id == 503602 ? 0b110101 : 0;
      }
      return S_OK;
    default: return S_OK;
  }
}
