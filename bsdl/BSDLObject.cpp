#include "bsdl/BSDLObject.h"

#include "bsdl/BSDLEntity.h"

namespace {

// Every adapter answers SupportsService, the base adapter first: the object supports a
// service when any of its adapters does, not only when the first one does.
bool IsFalse(const VARIANT* result) { return result != nullptr && result->vt == VT_BOOL && result->boolVal == VARIANT_FALSE; }

}  // namespace

TBSDLObject::TBSDLObject(TBSDLEntity* entity) : FEntity(entity) {
  AddImplementator(MakeObject<TBSDLObject_Impl>(), this);
}

TBSDLObject::~TBSDLObject() {
  for (TImplementator& i : FImplementators) i.Link->Link(nullptr);
}

TComPtr<IDispatch> TBSDLObject::Adapter() const {
  return TComPtr<IDispatch>(FImplementators.back().Adapter->AsDispatch());
}

HRESULT STDMETHODCALLTYPE TBSDLObject::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                              VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  HRESULT status = E_NOTIMPL;
  for (TImplementator& i : FImplementators) {
    status = i.Adapter->Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
    if (SUCCEEDED(status) && !(id == kDispId_SupportsService && IsFalse(result))) return status;
  }
  return status;
}

TComPtr<IDispatch> EntityAdapterOf(const TBSDLObject& object) {
  return object.Entity() != nullptr ? object.Entity()->Adapter() : TComPtr<IDispatch>();
}

TComPtr<IDispatch> AdapterOf(const TBSDLObject* object) {
  return object != nullptr ? object->Adapter() : TComPtr<IDispatch>();
}
