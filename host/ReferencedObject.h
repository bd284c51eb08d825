// Base classes of the objects handed to the host.
//
// TReferencedObject counts references (interlocked) and answers IUnknown; TDispatchObject
// adds IDispatch, whose members all answer "not implemented" at this level;
// TDispatchObjectNoRef does not count at all: its owner frees it.
#pragma once

#include <atomic>
#include <cstdint>

#include "host/ComPtr.h"
#include "platform/OleAuto.h"

class TReferencedObject : public IDispatch {
 public:
  TReferencedObject() = default;
  TReferencedObject(const TReferencedObject&) = delete;
  TReferencedObject& operator=(const TReferencedObject&) = delete;
  virtual ~TReferencedObject();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  // A new object holds one reference while it is being built; this drops it.
  void AfterConstruction() {
    FConstructed = true;
    FRefCount.fetch_sub(1);
  }
  std::int32_t RefCount() const { return FRefCount.load(); }

 protected:
  // The interface pointer for `riid`, or null; the caller adds the reference.
  virtual void* FindInterface(REFIID riid);

 private:
  std::atomic<std::int32_t> FRefCount{1};
  bool FConstructed = false;  // a constructor that throws unwinds with the count still 1
};

class TDispatchObject : public TReferencedObject {
 protected:
  void* FindInterface(REFIID riid) override;
};

class TDispatchObjectNoRef : public TDispatchObject {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
  ULONG STDMETHODCALLTYPE Release() override { return 0; }
};

// Creates a reference-counted object and returns the first reference to it.
template <class T, class... A>
TComPtr<T> MakeObject(A&&... args) {
  T* object = new T(std::forward<A>(args)...);
  object->AfterConstruction();
  return TComPtr<T>(object);
}

// Creates an object that the caller owns outright (no counting applies).
template <class T, class... A>
T* NewUncounted(A&&... args) {
  T* object = new T(std::forward<A>(args)...);
  object->AfterConstruction();
  return object;
}
