// TSimJTagChannel: the host's chain object (IJTagChannel) of the simulated host, carrying out
// every member by clocking the simulated chain TCK by TCK. `Index` is a device's position,
// 0 being the device nearest TDI; during a part's scan the other devices get BYPASS.
//
// For tests it can keep a journal of the calls it receives and fail a chosen call.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/ReferencedObject.h"
#include "hostsim/SimJTagChain.h"

class TSimJTagChannel : public TDispatchObject {
 public:
  explicit TSimJTagChannel(std::shared_ptr<TSimJTagChain> chain);

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  TSimJTagChain& Chain() const { return *FChain; }

  // The members, as the host carries them out.
  bool Open();
  void Close();
  TComPtr<IDispatch> GetDevice(std::int32_t index);
  void ResetChain();
  void ShiftBits(std::int32_t value, std::int32_t count, bool exitShift);
  void ShiftBitString(const std::string& bits, bool exitShift);
  void ShiftData(std::int32_t value, std::int32_t count, std::int32_t index);
  std::int32_t ShiftDataRead(std::int32_t value, std::int32_t count, std::int32_t index);
  std::string ShiftBitStringRead(const std::string& bits, std::int32_t index);
  void ShiftInstruction(std::int32_t instruction, std::int32_t index);
  std::int32_t ScanData(std::int32_t value, std::int32_t count, std::int32_t index);
  void SetInstruction(std::int32_t instruction, std::int32_t index);
  std::int32_t ScanInstruction(std::int32_t instruction, std::int32_t index);
  void MoveState(std::int32_t from, std::int32_t to);
  void GotoState(std::int32_t state);
  void ClockTMS(std::int32_t level);
  TComPtr<IDispatch> GetPort() { return {}; }

  // What tests look at.
  struct TCall {
    DISPID Id;
    std::string Arguments;  // the arguments in declaration order, as text
  };
  void SetJournalling(bool on) { FJournalling = on; }
  const std::vector<TCall>& Journal() const { return FJournal; }
  void ClearJournal() { FJournal.clear(); }
  // Makes the `occurrence`-th call (1-based, counted from now) of `id` fail.
  void FailCall(DISPID id, int occurrence);
  bool IsOpen() const { return FOpen; }
  int OpenCount() const { return FOpenCount; }
  int CloseCount() const { return FCloseCount; }
  // Bits shifted by ShiftBits and ShiftBitString.
  std::uint64_t StreamBits() const { return FStreamBits; }
  // Called with StreamBits() after every ShiftBits and ShiftBitString (a progress display).
  void SetStreamListener(std::function<void(std::uint64_t)> listener) { FStreamListener = std::move(listener); }

 private:
  void RequireOpen() const;
  void RequireState(TapState state, const char* member) const;
  std::size_t Position(std::int32_t index) const;
  void Walk(TapState to);
  bool Shift(bool tdi, bool last);
  // A scan of the whole register chain: `bits` in shifting order, the bits out returned.
  std::vector<bool> ShiftChain(const std::vector<bool>& bits, bool exitShift);
  std::vector<bool> DataBitsFor(std::size_t position, const std::vector<bool>& partBits) const;
  std::vector<bool> InstructionBitsFor(std::size_t position, std::uint32_t instruction) const;
  std::size_t DataOffsetOf(std::size_t position) const { return FChain->Size() - 1 - position; }
  std::size_t InstructionOffsetOf(std::size_t position) const;

  std::shared_ptr<TSimJTagChain> FChain;
  bool FOpen = false;
  int FOpenCount = 0;
  int FCloseCount = 0;
  std::uint64_t FStreamBits = 0;
  bool FJournalling = false;
  std::vector<TCall> FJournal;
  std::map<DISPID, int> FFailures;  // calls to go until the failure
  std::function<void(std::uint64_t)> FStreamListener;
};
