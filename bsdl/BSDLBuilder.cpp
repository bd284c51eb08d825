#include "bsdl/BSDLBuilder.h"

#include "platform/Text.h"

void TBSDLBuildCaches::Clear() {
  ScanPins.Clear();
  BoundaryCells.Clear();
  PinMappings.Clear();
  OpCodes.Clear();
  RegisterAssociations.Clear();
}

namespace {

template <class T>
T* Cached(THashedStringList<T*>& cache, std::string_view key) {
  T** found = cache.Find(key);
  return found != nullptr ? *found : nullptr;
}

template <class T>
T* CachedOrNull(THashedStringList<T*>& cache, std::string_view key) {
  return key.empty() ? nullptr : Cached(cache, key);
}

std::string CellKey(std::int32_t number) { return text::FormatInt(number); }

}  // namespace

TBoundaryCell* BuildBoundaryCell(const TBoundaryCellParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                                 std::unique_ptr<TBoundaryCell>& created) {
  const std::string key = CellKey(record.CellNumber);
  if (TBoundaryCell* cell = Cached(caches.BoundaryCells, key)) return cell;
  created.reset(NewUncounted<TBoundaryCell>(&entity));
  TBoundaryCell* cell = created.get();
  cell->SetCellNumber(record.CellNumber);
  cell->SetCellKind(record.CellKind);
  cell->SetPortId(record.PortId);
  cell->SetCellFunction(record.CellFunction);
  cell->SetSafeBit(record.SafeBit);
  cell->SetControlCellNumber(record.ControlCellNumber);
  cell->SetDisableValue(record.DisableValue);
  cell->SetDisableResult(record.DisableResult);
  caches.BoundaryCells.Add(key, cell);
  return cell;
}

TPinMapping* BuildPinMapping(const TPinMappingParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                             std::unique_ptr<TPinMapping>& created) {
  if (TPinMapping* mapping = Cached(caches.PinMappings, record.PinNumber)) return mapping;
  created.reset(NewUncounted<TPinMapping>(&entity));
  created->SetPinName(record.PinName);
  created->SetPinNumber(record.PinNumber);
  caches.PinMappings.Add(record.PinNumber, created.get());
  return created.get();
}

TScanPin* BuildScanPin(const TScanPinParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                       std::unique_ptr<TScanPin>& created) {
  if (TScanPin* pin = Cached(caches.ScanPins, record.PinNumber)) return pin;
  created.reset(NewUncounted<TScanPin>(&entity));
  TScanPin* pin = created.get();
  pin->SetDirection(record.Direction);
  pin->SetPinName(record.PinName);
  pin->SetPinNumber(record.PinNumber);
  pin->SetKind(record.Kind);
  std::unique_ptr<TPinMapping> newMapping;
  TPinMapping* mapping = BuildPinMapping(record.PinMapping, entity, caches, newMapping);
  // The entity reaches mappings only through their scan pins; it still owns them.
  if (newMapping) {
    mapping->SetScanPin(pin);
    entity.AdoptPinMapping(std::move(newMapping));
  }
  pin->SetPinMapping(mapping);
  for (std::int32_t i = 0; i < record.BoundaryCellCount && i < 2; ++i)
    if (TBoundaryCell* cell = Cached(caches.BoundaryCells, CellKey(record.BoundaryCells[static_cast<std::size_t>(i)])))
      pin->AddBoundaryCell(cell);
  caches.ScanPins.Add(record.PinNumber, pin);
  return pin;
}

TInstructionOpCode* BuildOpCode(const TOpCodeParameters& record, TBSDLEntity& entity, TBSDLBuildCaches& caches,
                                std::unique_ptr<TInstructionOpCode>& created) {
  if (TInstructionOpCode* opCode = Cached(caches.OpCodes, record.InstructionName)) return opCode;
  created.reset(NewUncounted<TInstructionOpCode>(&entity));
  created->SetInstructionName(record.InstructionName);
  created->SetOpCodePattern(record.OpCodePattern);
  caches.OpCodes.Add(record.InstructionName, created.get());
  return created.get();
}

TRegisterAssociation* BuildRegisterAssociation(const TRegisterAssociationParameters& record, TBSDLEntity& entity,
                                               TBSDLBuildCaches& caches,
                                               std::unique_ptr<TRegisterAssociation>& created) {
  if (TRegisterAssociation* ra = Cached(caches.RegisterAssociations, record.RegisterName)) return ra;
  created.reset(NewUncounted<TRegisterAssociation>(&entity));
  created->SetRegisterName(record.RegisterName);
  created->SetRegisterLength(record.RegisterLength);
  for (const std::string& name : record.OpCodes) created->AddOpCode(name, Cached(caches.OpCodes, name));
  caches.RegisterAssociations.Add(record.RegisterName, created.get());
  return created.get();
}

// The order of the steps matters: later steps find the objects of earlier ones in the caches.
// A record row whose key repeats an earlier one yields no second object.
std::unique_ptr<TBSDLEntity> BuildBSDLEntity(const TBSDLParameters& record, TBSDLBuildCaches& caches) {
  caches.Clear();
  std::unique_ptr<TBSDLEntity> entity(NewUncounted<TBSDLEntity>());
  entity->Name = record.Name;
  entity->BoundaryLength = record.BoundaryLength;
  entity->ScanClockMaxSpeed = record.ScanClockMaxSpeed;
  entity->ScanClockHaltMode = record.ScanClockHaltMode;
  entity->ConformanceStatement = record.ConformanceStatement;
  entity->CompliancePattern = record.CompliancePattern;
  entity->Filename = record.Filename;
  entity->Instruction_SAMPLE = static_cast<std::uint32_t>(record.Instruction_SAMPLE);

  for (const TBoundaryCellParameters& row : record.BoundaryCells) {
    std::unique_ptr<TBoundaryCell> created;
    BuildBoundaryCell(row, *entity, caches, created);
    if (created) entity->AddBoundaryCell(std::move(created));
  }
  for (const TScanPinParameters& row : record.Pins) {
    std::unique_ptr<TScanPin> created;
    BuildScanPin(row, *entity, caches, created);
    if (created) entity->AddPin(std::move(created));
  }
  entity->TAP_TDI = CachedOrNull(caches.ScanPins, record.PinNumber_TDI);
  entity->TAP_TDO = CachedOrNull(caches.ScanPins, record.PinNumber_TDO);
  entity->TAP_TMS = CachedOrNull(caches.ScanPins, record.PinNumber_TMS);
  entity->TAP_TCK = CachedOrNull(caches.ScanPins, record.PinNumber_TCK);
  entity->TAP_TRST = CachedOrNull(caches.ScanPins, record.PinNumber_TRST);
  for (const TBoundaryCellParameters& row : record.BoundaryCells) {
    TBoundaryCell* cell = Cached(caches.BoundaryCells, CellKey(row.CellNumber));
    cell->SetPin(CachedOrNull(caches.ScanPins, row.PinNumber));
    if (row.ControlCellNumber != -1) cell->SetControlCell(Cached(caches.BoundaryCells, CellKey(row.ControlCellNumber)));
    if (row.TargetCellNumber != -1) cell->SetTargetCell(Cached(caches.BoundaryCells, CellKey(row.TargetCellNumber)));
  }
  for (const TOpCodeParameters& row : record.OpCodes) {
    std::unique_ptr<TInstructionOpCode> created;
    BuildOpCode(row, *entity, caches, created);
    if (created) entity->AddInstructionOpCode(std::move(created));
  }
  for (const TRegisterAssociationParameters& row : record.RegisterAssociations) {
    std::unique_ptr<TRegisterAssociation> created;
    BuildRegisterAssociation(row, *entity, caches, created);
    if (created) entity->AddRegisterAssociation(std::move(created));
  }
  return entity;
}
