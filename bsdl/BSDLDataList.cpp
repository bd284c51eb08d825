#include "bsdl/BSDLDataList.h"

#include "bsdl/BSDLFileSource.h"
#include "bsdl/BSDLReader.h"
#include "bsdl/Device_Artix7_Bsdl.h"

TBSDLDataList::TBSDLDataList() {
  for (std::string_view name : kBuiltInBSDLFileNames) FSlots.Add(name, TSlot{});
}

TBSDLEntity* TBSDLDataList::GetEntity(const std::string& fileName, TBSDLBuildCaches& caches) {
  TSlot* slot = FSlots.Find(fileName);
  if (slot == nullptr || slot->Refused) return nullptr;
  if (slot->Entity) return slot->Entity.get();
  return Build(*slot, fileName, caches);
}

TBSDLEntity* TBSDLDataList::Build(TSlot& slot, const std::string& fileName, TBSDLBuildCaches& caches) {
  const int index = IndexOfBuiltInBSDL(fileName);
  try {
    if (HasBuiltInRows(index)) {
      slot.Entity = BuildBSDLEntity(BuiltInBSDL(index), caches);
    } else {
      const auto path = FindBSDLFile(fileName);
      if (!path) return nullptr;  // looked for again on the next request
      TBSDLParameters record;
      try {
        record = RecordWithRowsFromFile(BuiltInBSDL(index), *path);
      } catch (const EBSDLError& e) {
        slot.Refused = true;
        ReportBSDLProblem("The boundary-scan description " + *path + " cannot be read: line " +
                          std::to_string(e.Line()) + ": " + e.Detail());
        return nullptr;
      } catch (const EBSDLMismatch& e) {
        slot.Refused = true;
        ReportBSDLProblem(std::string("The boundary-scan description does not describe this part: ") + e.what());
        return nullptr;
      }
      slot.Entity = BuildBSDLEntity(record, caches);
    }
  } catch (...) {
    caches.Clear();
    throw;
  }
  return slot.Entity.get();
}
