// Builds a TBSDLEntity with its element objects from a parameter record. The caches find the
// objects of earlier steps by key while one entity is built; each build starts them afresh,
// so they never refer to the objects of an entity that was discarded.
#pragma once

#include <memory>

#include "bsdl/BSDLEntity.h"
#include "bsdl/BSDLParameters.h"
#include "bsdl/HashedStringList.h"

struct TBSDLBuildCaches {
  THashedStringList<TScanPin*> ScanPins;                          // package pin number
  THashedStringList<TBoundaryCell*> BoundaryCells;                // cell number in decimal
  THashedStringList<TPinMapping*> PinMappings;                    // package pin number
  THashedStringList<TInstructionOpCode*> OpCodes;                 // instruction name
  THashedStringList<TRegisterAssociation*> RegisterAssociations;  // register name
  void Clear();
};

std::unique_ptr<TBSDLEntity> BuildBSDLEntity(const TBSDLParameters& record, TBSDLBuildCaches& caches);

// One element each: the cached object of the record's key, or a new one filled from the
// record, cached and returned. `created` tells which; a new object is the caller's to add.
TBoundaryCell* BuildBoundaryCell(const TBoundaryCellParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                                 std::unique_ptr<TBoundaryCell>& created);
TScanPin* BuildScanPin(const TScanPinParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                       std::unique_ptr<TScanPin>& created);
TPinMapping* BuildPinMapping(const TPinMappingParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                             std::unique_ptr<TPinMapping>& created);
TInstructionOpCode* BuildOpCode(const TOpCodeParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                                std::unique_ptr<TInstructionOpCode>& created);
TRegisterAssociation* BuildRegisterAssociation(const TRegisterAssociationParameters& record, TBSDLEntity& entity,
                                               TBSDLBuildCaches& caches, std::unique_ptr<TRegisterAssociation>& created);
