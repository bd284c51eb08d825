// TSimJTagChain: the devices of the simulated JTAG chain, clocked together TCK by TCK.
// Position 0 is the device nearest TDI; TDO is the output of the last device. Every device
// sees the same TMS, so all TAP controllers move in step.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "hostsim/SimChainDevice.h"

// Sees every TCK of the chain (an SVF recorder, a test).
class TSimChainObserver {
 public:
  virtual ~TSimChainObserver() = default;
  // `before` is the TAP state the edge started from, `after` the state it led to.
  virtual void OnClock(TapState before, TapState after, bool tms, bool tdi, bool tdo) = 0;
};

class TSimJTagChain {
 public:
  TSimJTagChain() = default;
  TSimJTagChain(const TSimJTagChain&) = delete;
  TSimJTagChain& operator=(const TSimJTagChain&) = delete;

  // Adds a device at the TDO end and powers it on; returns it.
  template <class T>
  T& Add(std::unique_ptr<T> device) {
    T& added = *device;
    device->PowerOn();
    FDevices.push_back(std::move(device));
    return added;
  }

  std::size_t Size() const { return FDevices.size(); }
  TSimChainDevice& Device(std::size_t position) const { return *FDevices.at(position); }

  // One TCK; returns TDO as it was before the edge (the bit a JTAG master samples).
  bool Clock(bool tms, bool tdi);
  bool Tdo() const { return FDevices.empty() ? false : FDevices.back()->Tdo(); }
  TapState State() const { return FTap.State(); }
  // TRST: every TAP to Test-Logic-Reset at once.
  void TestReset();

  std::uint64_t TckCount() const { return FTckCount; }
  void SetObserver(TSimChainObserver* observer) { FObserver = observer; }
  TSimChainObserver* Observer() const { return FObserver; }

 private:
  std::vector<std::unique_ptr<TSimChainDevice>> FDevices;
  std::vector<char> FOutputs;
  TSimTap FTap;  // the state every device is in
  std::uint64_t FTckCount = 0;
  TSimChainObserver* FObserver = nullptr;
};
