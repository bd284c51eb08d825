#include "hostsim/SimJTagChain.h"

bool TSimJTagChain::Clock(bool tms, bool tdi) {
  const std::size_t count = FDevices.size();
  if (count == 1 && FObserver == nullptr) {  // the common case, without the bookkeeping
    TSimChainDevice& device = *FDevices.front();
    const bool tdo = device.Tdo();
    device.Clock(tms, tdi);
    FTap.Clock(tms);
    ++FTckCount;
    return tdo;
  }
  FOutputs.resize(count);
  for (std::size_t i = 0; i < count; ++i) FOutputs[i] = FDevices[i]->Tdo();
  const bool tdo = count == 0 ? tdi : FOutputs[count - 1] != 0;
  for (std::size_t i = 0; i < count; ++i) FDevices[i]->Clock(tms, i == 0 ? tdi : FOutputs[i - 1] != 0);
  const TapState before = FTap.State();
  FTap.Clock(tms);
  ++FTckCount;
  if (FObserver != nullptr) FObserver->OnClock(before, FTap.State(), tms, tdi, tdo);
  return tdo;
}

void TSimJTagChain::TestReset() {
  for (auto& device : FDevices) device->TestReset();
  FTap.Force(eTap_TestLogicReset);
}
