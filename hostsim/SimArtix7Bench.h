// TSimArtix7Bench: a simulated chain with one Artix-7 part among bypassing devices, its chain
// object and the host device object, attached to a driver the way the host attaches it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/ComPtr.h"
#include "hostsim/SimArtix7.h"
#include "hostsim/SimJTagChain.h"
#include "hostsim/SimJTagChannel.h"
#include "hostsim/SimQuillDevice.h"

class TSimArtix7Bench {
 public:
  static constexpr int kOtherIrLength = 8;  // the bypassing devices' instruction length

  // `driver`'s part (its IDCODE, DISPID 503379) at `position` of a chain of `length` devices.
  TSimArtix7Bench(TComPtr<IDispatch> driver, int length = 1, int position = 0);
  ~TSimArtix7Bench();
  TSimArtix7Bench(const TSimArtix7Bench&) = delete;
  TSimArtix7Bench& operator=(const TSimArtix7Bench&) = delete;

  // Hands the device object to the driver (SetQuillDevice); Detach hands it an empty one.
  void Attach();
  void Detach();
  // Attaches another driver to the same part (a host may serve one part through several
  // drivers); it is detached with the others.
  void AttachDriver(TComPtr<IDispatch> driver);

  IDispatch* Driver() const { return FDriver.Get(); }
  TSimJTagChain& Chain() const { return *FChain; }
  TSimArtix7& Part() const { return *FPart; }
  TSimJTagChannel& Channel() const { return *FChannel; }
  TSimQuillDevice& Device() const { return *FDevice; }
  int Position() const { return FPosition; }

 private:
  TComPtr<IDispatch> FDriver;
  std::shared_ptr<TSimJTagChain> FChain;
  TSimArtix7* FPart = nullptr;
  TComPtr<TSimJTagChannel> FChannel;
  TComPtr<TSimQuillDevice> FDevice;
  int FPosition;
  bool FAttached = false;
  std::vector<TComPtr<IDispatch>> FOtherDrivers;
};
