#include "host/ReferencedObject.h"

#include <cstdio>
#include <cstdlib>

TReferencedObject::~TReferencedObject() {
#ifndef NDEBUG
  // Destroying an object that somebody still references is a fault: make it loud.
  if (FConstructed && FRefCount.load() != 0) {
    std::fprintf(stderr, "Invalid Pointer: object destroyed with %d references\n", FRefCount.load());
    std::abort();
  }
#endif
}

HRESULT STDMETHODCALLTYPE TReferencedObject::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = FindInterface(riid);
  if (*object == nullptr) return E_NOINTERFACE;
  static_cast<IUnknown*>(*object)->AddRef();
  return S_OK;
}

void* TReferencedObject::FindInterface(REFIID riid) {
  return riid == IID_IUnknown ? static_cast<IUnknown*>(this) : nullptr;
}

ULONG STDMETHODCALLTYPE TReferencedObject::AddRef() { return static_cast<ULONG>(FRefCount.fetch_add(1) + 1); }

ULONG STDMETHODCALLTYPE TReferencedObject::Release() {
  const std::int32_t count = FRefCount.fetch_sub(1) - 1;
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

HRESULT STDMETHODCALLTYPE TReferencedObject::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE TReferencedObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE TReferencedObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE TReferencedObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                                    UINT*) {
  return E_NOTIMPL;
}

void* TDispatchObject::FindInterface(REFIID riid) {
  if (riid == IID_IDispatch) return static_cast<IDispatch*>(this);
  return TReferencedObject::FindInterface(riid);
}
