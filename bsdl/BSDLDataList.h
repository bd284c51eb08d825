// TBSDLDataList: a driver's boundary-scan entities, one slot per built-in description file
// name (compared without case). The entity of a slot is built on first request and kept for
// the driver's life; a file that had to be refused is reported once and not read again.
#pragma once

#include <memory>
#include <string>

#include "bsdl/BSDLBuilder.h"
#include "bsdl/BSDLEntity.h"
#include "bsdl/HashedStringList.h"

class TBSDLDataList {
 public:
  TBSDLDataList();

  // The entity of `fileName`, or null when the name is not one of the eight or no
  // description with rows can be had. Throws when building fails (the slot stays empty).
  TBSDLEntity* GetEntity(const std::string& fileName, TBSDLBuildCaches& caches);

 private:
  struct TSlot {
    std::unique_ptr<TBSDLEntity> Entity;
    bool Refused = false;
  };
  TBSDLEntity* Build(TSlot& slot, const std::string& fileName, TBSDLBuildCaches& caches);

  THashedStringList<TSlot> FSlots;
};
