// An owning interface pointer: AddRef on copy, Release on destruction.
#pragma once

#include <utility>

#include "platform/OleAuto.h"

template <class T>
class TComPtr {
 public:
  TComPtr() = default;
  TComPtr(std::nullptr_t) {}
  // Takes a new reference to `p`.
  explicit TComPtr(T* p) : FPtr(p) {
    if (FPtr) FPtr->AddRef();
  }
  TComPtr(const TComPtr& other) : TComPtr(other.FPtr) {}
  TComPtr(TComPtr&& other) noexcept : FPtr(std::exchange(other.FPtr, nullptr)) {}
  template <class U>
  TComPtr(const TComPtr<U>& other) : TComPtr(static_cast<T*>(other.Get())) {}
  ~TComPtr() { Reset(); }

  TComPtr& operator=(TComPtr other) noexcept {
    std::swap(FPtr, other.FPtr);
    return *this;
  }

  // Adopts a pointer whose reference the caller already holds.
  static TComPtr Adopt(T* p) {
    TComPtr result;
    result.FPtr = p;
    return result;
  }
  // Gives up ownership of the reference without releasing it.
  T* Detach() { return std::exchange(FPtr, nullptr); }
  void Reset() {
    if (T* p = std::exchange(FPtr, nullptr)) p->Release();
  }

  T* Get() const { return FPtr; }
  T* operator->() const { return FPtr; }
  T& operator*() const { return *FPtr; }
  explicit operator bool() const { return FPtr != nullptr; }
  bool operator==(const TComPtr& other) const { return FPtr == other.FPtr; }

 private:
  T* FPtr = nullptr;
};
