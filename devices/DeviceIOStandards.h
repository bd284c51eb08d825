// The 37 I/O standards of the Artix-7 parts and the shared host-visible objects that describe
// them. The objects exist from library load to unload; every driver and pin hands out the
// same ones.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "host/AbstractDeviceIOStandard.h"

enum TDeviceIOStandardID : std::int32_t {
  sBLVDS25,
  sDHSTLI,
  sDHSTL18I,
  sDHSTLII,
  sDHSTL18II,
  sDHSUL12,
  sDMOBILE_DDR,
  sDSSTL135,
  sDSSTL135_R,
  sDSSTL15,
  sDSSTL15_R,
  sDSSTL18I,
  sDSSTL18II,
  sLVDS,
  sMiniLVDS25,
  sPPDS25,
  sRSDS25,
  sTMDS33,
  sHSTLI,
  sHSTLI_18,
  sHSTLII,
  sHSTLII_18,
  sHSUL12,
  sLVCMOS12,
  sLVCMOS15,
  sLVCMOS18,
  sLVCMOS25,
  sLVCMOS33,
  sLVTTL33,
  sMOBILE_DDR,
  sPCI33_3,
  sSSTL135,
  sSSTL135_R,
  sSSTL15,
  sSSTL15_R,
  sSSTL18I,
  sSSTL18II,
};
constexpr int kIOStandardCount = 37;

// A set of standards, bit n for ID n.
using TIOStandardSet = std::uint64_t;
constexpr TIOStandardSet kAllIOStandards = (TIOStandardSet{1} << kIOStandardCount) - 1;

struct TDeviceIOStandardParameters {
  std::string_view DisplayName;
  std::string_view ParamName;
  bool Differential;
  std::uint8_t SlewRates;         // bit n: slew value n
  std::uint32_t DriveStrengths;   // bit n: drive value n
};

extern const std::array<TDeviceIOStandardParameters, kIOStandardCount> kIOStandards;
extern const std::array<std::string_view, 3> kSlewValueNames;
extern const std::array<std::string_view, 21> kDriveValueNames;

// The framework's pin-set independent I/O standard base: not reference-counted.
class TQuillAbstractDeviceIOStandard : public TAbstractDeviceIOStandard {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(-1); }

  std::string GetDisplayName() override;
  std::string GetParamName() override;
  std::int32_t GetSlewCount() override { return 0; }
  std::string GetSlewValue(std::int32_t) override { return {}; }
  std::int32_t GetDriveCount() override { return 0; }
  std::string GetDriveStrength(std::int32_t) override { return {}; }

 protected:
  virtual std::int32_t StandardIndex() { return 0; }
};

class TDeviceIOStandardData : public TQuillAbstractDeviceIOStandard {
 public:
  explicit TDeviceIOStandardData(TDeviceIOStandardID id) : FID(id) {}
  TDeviceIOStandardID ID() const { return FID; }

  std::string GetDisplayName() override;
  std::string GetParamName() override;
  std::int32_t GetSlewCount() override;
  std::string GetSlewValue(std::int32_t Index) override;
  std::int32_t GetDriveCount() override;
  std::string GetDriveStrength(std::int32_t Index) override;

 private:
  TDeviceIOStandardID FID;
};

// The shared object of one standard (valid while the library is loaded).
TDeviceIOStandardData* IOStandardObject(TDeviceIOStandardID id);
// The `index`-th member (0-based, in ID order) of `set`, or null.
TDeviceIOStandardData* IOStandardOfSet(TIOStandardSet set, std::int32_t index);
std::int32_t IOStandardSetCount(TIOStandardSet set);
