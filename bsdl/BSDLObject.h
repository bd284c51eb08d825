// TBSDLObject: the base of every boundary-scan element (scan pin, pin mapping, boundary cell,
// instruction opcode, register association). An element is not reference-counted: its entity
// owns it. The host sees it through its adapters, reference-counted objects of the host's
// abstract classes, each holding a back link `Ex` to the element. The element's own dispatch
// passes every call to its adapters in order and answers with the first success.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/AbstractBSDLObject.h"
#include "host/QuillError.h"
#include "host/ReferencedObject.h"

class TBSDLEntity;
class TBSDLObject;

// The adapter's side of the link. The element clears it when it goes, so an adapter that the
// host still holds fails its calls instead of reaching freed memory.
class TBSDLAdapterLink {
 public:
  template <class T>
  T& Ex() const {
    if (FObject == nullptr) throw EQuillError("the boundary-scan object no longer exists");
    return *static_cast<T*>(FObject);
  }
  void Link(void* object) { FObject = object; }

 private:
  void* FObject = nullptr;
};

class TBSDLObject : public TDispatchObjectNoRef {
 public:
  explicit TBSDLObject(TBSDLEntity* entity);
  ~TBSDLObject() override;

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  virtual std::string GetDescriptionText() { return {}; }
  virtual std::string GetShortDescriptionText() { return {}; }
  virtual std::int32_t GetImageIndex() { return 4; }

  TBSDLEntity* Entity() const { return FEntity; }
  // The class's own adapter (the last in the list), as the host receives it.
  TComPtr<IDispatch> Adapter() const;
  std::size_t AdapterCount() const { return FImplementators.size(); }

 protected:
  template <class A>
  void AddImplementator(TComPtr<A> adapter, void* self) {
    adapter->Link(self);
    FImplementators.push_back({TComPtr<TAbstractSupportService>(adapter), adapter.Get()});
  }

 private:
  struct TImplementator {
    TComPtr<TAbstractSupportService> Adapter;
    TBSDLAdapterLink* Link;
  };
  std::vector<TImplementator> FImplementators;
  TBSDLEntity* FEntity;
};

// The entity's adapter as the elements hand it out (GetEntity); null without entity.
TComPtr<IDispatch> EntityAdapterOf(const TBSDLObject& object);
// The adapter of an element, or null.
TComPtr<IDispatch> AdapterOf(const TBSDLObject* object);

// The operations every element adapter shares, on top of the host class `Base`.
template <class Base>
class TBSDLObjectAdapter : public Base, public TBSDLAdapterLink {
 public:
  std::string GetDescription() override { return Ex<TBSDLObject>().GetDescriptionText(); }
  std::string GetShortDescription() override { return Ex<TBSDLObject>().GetShortDescriptionText(); }
  TComPtr<IDispatch> GetEntity() override { return EntityAdapterOf(Ex<TBSDLObject>()); }
};

// The base adapter, first in every element's list.
class TBSDLObject_Impl : public TBSDLObjectAdapter<TAbstractBSDLObject> {};
