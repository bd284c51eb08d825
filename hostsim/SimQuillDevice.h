// The simulated host device object (IQuillDevice): one part on a JTAG chain, served by a
// driver of the plug-in. It hands out the chain object it is given (empty: no chain), keeps the
// debug registers the framework reads and writes, and carries out reset, state and program
// requests through its driver, as the host does for this plug-in's parts. The device
// information getters are answered by the driver.
//
// The JTAG chain simulation attaches its channel object with SetJTagChannel.
#pragma once

#include <cstdint>
#include <map>

#include "hostsim/SimObject.h"

class TSimQuillDevice : public TSimObject {
 public:
  TSimQuillDevice(std::shared_ptr<THostEventLog> log, TComPtr<IDispatch> driver, std::int32_t jtagIndex)
      : TSimObject(std::move(log), "QuillDevice"), FDriver(std::move(driver)), FJTagIndex(jtagIndex) {}

  const TComPtr<IDispatch>& Driver() const { return FDriver; }
  void SetJTagChannel(TComPtr<IDispatch> channel) { FChannel = std::move(channel); }
  const TComPtr<IDispatch>& JTagChannel() const { return FChannel; }
  void SetJTagIndex(std::int32_t index) { FJTagIndex = index; }
  std::int32_t JTagIndex() const { return FJTagIndex; }

  // Debug registers: a write stores the value, a read answers the stored one (0 at first).
  void SetRegister(std::int32_t reg, std::int32_t value) { FRegisters[reg] = value; }
  std::int32_t Register(std::int32_t reg) const;
  std::int32_t AccessDepth() const { return FAccessDepth; }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  std::int32_t GetJTagIndex() { return FJTagIndex; }
  TComPtr<IDispatch> GetJTagChannel() { return FChannel; }
  TComPtr<IDispatch> GetDriver() { return FDriver; }
  bool ResetDevice();
  std::int32_t DeviceState();
  std::int32_t ProgramDevice(std::string fileName);
  TComPtr<IDispatch> RegisterObject(std::int32_t) { return {}; }
  std::int32_t ReadRegister(std::int32_t reg, std::int32_t) { return Register(reg); }
  void WriteRegister(std::int32_t reg, std::int32_t, std::int32_t value) { SetRegister(reg, value); }
  void BeginDeviceAccess() { ++FAccessDepth; }
  void EndDeviceAccess() { --FAccessDepth; }

  TComPtr<IDispatch> FDriver;
  TComPtr<IDispatch> FChannel;
  std::int32_t FJTagIndex = 0;
  std::map<std::int32_t, std::int32_t> FRegisters;
  std::int32_t FAccessDepth = 0;
};
