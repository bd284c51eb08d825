// TClockCoreGenerator_Artix7: tells the host's clock wizard whether a requested clock
// configuration is achievable with the Artix-7 clock manager. A new object per driver call.
#pragma once

#include "host/AbstractClockCoreGenerator.h"

class TClockCoreGenerator_Artix7 : public TAbstractClockCoreGenerator {
 public:
  // False when the core has no CLKOUT0 data, the VCO product fin x M is not strictly between
  // 600 and 1200 MHz, or M / D is no ratio of a multiplier 2..64 and a divider 1..106.
  bool IsValidClockCore(TComPtr<IDispatch> ClockCore) override;
};
