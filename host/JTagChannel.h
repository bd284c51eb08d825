// Wrappers of the two host objects through which a driver reaches the JTAG chain: the host
// device object (IQuillDevice) and the chain object it hands out (IJTagChannel).
#pragma once

#include <cstdint>
#include <string>

#include "host/HostObject.h"

// TAP states as the host's chain object numbers them.
enum TapState : std::int32_t {
  eTap_Undefined = 0,
  eTap_TestLogicReset = 1,
  eTap_RunTestIdle = 2,
  eTap_SelectDR = 3,
  eTap_CaptureDR = 4,
  eTap_ShiftDR = 5,
  eTap_Exit1DR = 6,
  eTap_PauseDR = 7,
  eTap_Exit2DR = 8,
  eTap_UpdateDR = 9,
  eTap_SelectIR = 10,
  eTap_CaptureIR = 11,
  eTap_ShiftIR = 12,
  eTap_Exit1IR = 13,
  eTap_PauseIR = 14,
  eTap_Exit2IR = 15,
  eTap_UpdateIR = 16,
};

class TJTagChannel : public THostObject {
 public:
  using THostObject::THostObject;

  bool Open() const { return Call<bool>(503425); }
  void Close() const { Call(503426); }
  TComPtr<IDispatch> GetDevice(std::int32_t index) const { return Call<TComPtr<IDispatch>>(503579, index); }
  void ResetChain() const { Call(503581); }
  void ShiftBits(std::int32_t value, std::int32_t count, bool exitShift) const { Call(503583, value, count, exitShift); }
  // The last character enters TDI first.
  void ShiftBitString(const std::string& bits, bool exitShift) const { Call(503585, bits, exitShift); }
  // The same with a bit text the caller keeps (an OLE string it fills anew for every call): no
  // text is converted or allocated, for the long runs of the configuration stream.
  void ShiftBitString(BSTR bits, bool exitShift) const {
    VARIANT args[2];
    args[0].vt = VT_BOOL;  // arguments last-first
    args[0].boolVal = exitShift ? VARIANT_TRUE : VARIANT_FALSE;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = bits;
    DISPPARAMS params{args, nullptr, 2, 0};
    if (Dispatch() == nullptr) throw EQuillError("host call 503585 on a missing host object");
    const HRESULT hr = Dispatch()->Invoke(503585, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    if (FAILED(hr)) throw EHostCallFailed(503585, hr);
  }
  void ShiftData(std::int32_t value, std::int32_t count, std::int32_t index) const { Call(503588, value, count, index); }
  std::int32_t ShiftDataRead(std::int32_t value, std::int32_t count, std::int32_t index) const {
    return Call<std::int32_t>(503589, value, count, index);
  }
  std::string ShiftBitStringRead(const std::string& bits, std::int32_t index) const {
    return Call<std::string>(503591, bits, index);
  }
  void ShiftInstruction(std::int32_t instruction, std::int32_t index) const { Call(503593, instruction, index); }
  std::int32_t ScanData(std::int32_t value, std::int32_t count, std::int32_t index) const {
    return Call<std::int32_t>(503599, value, count, index);
  }
  void SetInstruction(std::int32_t instruction, std::int32_t index) const { Call(503601, instruction, index); }
  std::int32_t ScanInstruction(std::int32_t instruction, std::int32_t index) const {
    return Call<std::int32_t>(503602, instruction, index);
  }
  void MoveState(TapState from, TapState to) const {
    Call(503605, static_cast<std::int32_t>(from), static_cast<std::int32_t>(to));
  }
  void GotoState(TapState state) const { Call(503607, static_cast<std::int32_t>(state)); }
  void ClockTMS(std::int32_t level) const { Call(503608, level); }
  TComPtr<IDispatch> GetPort() const { return Call<TComPtr<IDispatch>>(503611); }
};

class TQuillDevice : public THostObject {
 public:
  using THostObject::THostObject;

  std::int32_t GetJTagIndex() const { return Call<std::int32_t>(503629); }
  // An unassigned channel means there is no chain.
  TJTagChannel GetJTagChannel() const { return TJTagChannel(Call<TComPtr<IDispatch>>(503630)); }
  TComPtr<IDispatch> GetDriver() const { return Call<TComPtr<IDispatch>>(503635); }
  bool Reset() const { return Call<bool>(503636); }
  std::int32_t State() const { return Call<std::int32_t>(503637); }
  std::int32_t Program(const std::string& fileName) const { return Call<std::int32_t>(503638, fileName); }
  TComPtr<IDispatch> RegisterObject(std::int32_t index) const { return Call<TComPtr<IDispatch>>(503661, index); }
  std::int32_t ReadRegister(std::int32_t reg, std::int32_t width) const { return Call<std::int32_t>(503666, reg, width); }
  void WriteRegister(std::int32_t reg, std::int32_t width, std::int32_t value) const {
    Call(503667, reg, width, value);
  }
  void BeginDeviceAccess() const { Call(503675); }
  void EndDeviceAccess() const { Call(503676); }
};
