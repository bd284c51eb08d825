// TAbstractDeviceIOStandard: an I/O standard as the host sees it (DISPIDs 503519-503524),
// service name "DeviceIOStandard".
#pragma once

#include <cstdint>
#include <string>

#include "host/SupportService.h"

class TAbstractDeviceIOStandard : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::string GetDisplayName() = 0;                  // 503519
  virtual std::string GetParamName() = 0;                    // 503520
  virtual std::int32_t GetSlewCount() = 0;                   // 503521
  virtual std::string GetSlewValue(std::int32_t Index) = 0;  // 503522
  virtual std::int32_t GetDriveCount() = 0;                  // 503523
  virtual std::string GetDriveStrength(std::int32_t Index) = 0;  // 503524
};
