#include "bsdl/BSDLEntity.h"

namespace {

template <class L>
TComPtr<IDispatch> AdapterAt(const L& list, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return {};
  return AdapterOf(list[static_cast<std::size_t>(index)].get());
}

}  // namespace

TBSDLEntity::TBSDLEntity() : Impl(MakeObject<TBSDLEntity_Impl>()) { Impl->Link(this); }

TBSDLEntity::~TBSDLEntity() {
  Impl->Link(nullptr);
  // Elements refer to each other and to the entity: free them while the entity is whole.
  RegisterAssociations.clear();
  InstructionOpCodes.clear();
  Pins.clear();
  PinMappings.clear();
  FPinMappingsOfPins.clear();
  BoundaryCells.clear();
}

TComPtr<IDispatch> TBSDLEntity::Adapter() const { return TComPtr<IDispatch>(Impl->AsDispatch()); }

HRESULT STDMETHODCALLTYPE TBSDLEntity::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                              VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  return Impl->Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

std::int32_t TBSDLEntity_Impl::GetBoundaryLength() {
  E().ProcessBoundaryInfo();
  return E().BoundaryLength;
}

std::int32_t TBSDLEntity_Impl::GetBoundaryCellCount() {
  E().ProcessBoundaryInfo();
  return Count(E().BoundaryCells);
}

TComPtr<IDispatch> TBSDLEntity_Impl::GetBoundaryCell(std::int32_t Index) {
  E().ProcessBoundaryInfo();
  return AdapterAt(E().BoundaryCells, Index);
}

TComPtr<IDispatch> TBSDLEntity_Impl::GetPin(std::int32_t Index) { return AdapterAt(E().Pins, Index); }
TComPtr<IDispatch> TBSDLEntity_Impl::GetPinMapping(std::int32_t Index) { return AdapterAt(E().PinMappings, Index); }
TComPtr<IDispatch> TBSDLEntity_Impl::GetInstructionOpcode(std::int32_t Index) {
  return AdapterAt(E().InstructionOpCodes, Index);
}
TComPtr<IDispatch> TBSDLEntity_Impl::GetRegisterAssociation(std::int32_t Index) {
  return AdapterAt(E().RegisterAssociations, Index);
}
