// TClockCoreTemplateGenerator_Artix7: fills the attribute template of the host's clock wizard
// for the Artix-7 clock manager. A new object per driver call.
#pragma once

#include "host/AbstractClockCoreTemplateGenerator.h"

class TClockOutputActual;
class TClockCoreTemplate;

class TClockCoreTemplateGenerator_Artix7 : public TAbstractClockCoreTemplateGenerator {
 public:
  bool FillTemplate(TComPtr<IDispatch> Template) override;

 private:
  static void SetOutputAttributes(const TClockCoreTemplate& clockTemplate, const TClockOutputActual& actual,
                                  std::int32_t outputTargetCount);
};
