// The hard device viewer's form as the driver base sees it. The viewer subsystem supplies the
// form; the driver keeps it until a view owns it, and hands it a new host device object when
// the host attaches one.
#pragma once

#include "host/ComPtr.h"
#include "platform/OleAuto.h"

class TRackForm {
 public:
  virtual ~TRackForm() = default;
  virtual void SetQuillDevice(TComPtr<IDispatch> device) = 0;
};
