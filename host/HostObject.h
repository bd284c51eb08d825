// Calling a member of a host object by DISPID: the mirror image of the dispatch tables.
//
//   THostObject chain(dispatch);
//   int count = chain.Call<std::int32_t>(701, std::int32_t{0});
//
// Arguments are packed last-first, a failed status becomes EHostCallFailed, and the result
// VARIANT is converted to the requested type. Wrappers of host interfaces derive from it and
// give each member they use one method.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

#include "host/ComPtr.h"
#include "host/QuillError.h"
#include "host/Variant.h"

// An in/out text argument: passed by reference, and read back after the call.
struct TInOutText {
  std::string& Text;
};

class THostObject {
 public:
  THostObject() = default;
  explicit THostObject(IDispatch* dispatch) : FDispatch(dispatch) {}
  explicit THostObject(TComPtr<IDispatch> dispatch) : FDispatch(std::move(dispatch)) {}

  bool Assigned() const { return static_cast<bool>(FDispatch); }
  IDispatch* Dispatch() const { return FDispatch.Get(); }
  const TComPtr<IDispatch>& DispatchPtr() const { return FDispatch; }

  template <class R = void, class... A>
  R Call(DISPID id, A&&... args) const {
    return CallPacked<R>(id, std::index_sequence_for<A...>{}, std::forward<A>(args)...);
  }
  // As Call, but a missing host object makes the call a no-op that answers R{}.
  template <class R = void, class... A>
  R CallIfAssigned(DISPID id, A&&... args) const {
    if (!FDispatch) return R();
    return Call<R>(id, std::forward<A>(args)...);
  }

  static constexpr std::size_t kMaxArguments = 12;

 private:
  // Holds the texts of in/out arguments while a call runs.
  struct TByRefTexts {
    std::array<BSTR, kMaxArguments> Texts{};
    ~TByRefTexts();
  };

  template <class R, std::size_t... I, class... A>
  R CallPacked(DISPID id, std::index_sequence<I...>, A&&... args) const {
    constexpr std::size_t count = sizeof...(A);
    static_assert(count <= kMaxArguments, "too many arguments for a host member");
    std::array<TVariant, count == 0 ? 1 : count> packed;
    [[maybe_unused]] TByRefTexts byRef;
    (Pack(packed[count - 1 - I], byRef.Texts[I], std::forward<A>(args)), ...);  // last-first
    TVariant result;
    Invoke(id, packed.data(), count, result.Ptr());
    (ReadBack(byRef.Texts[I], args), ...);
    if constexpr (!std::is_void_v<R>) return Convert<R>(result.Raw());
  }

  void Invoke(DISPID id, TVariant* args, std::size_t count, VARIANT* result) const;

  template <class T>
  static void Pack(TVariant& slot, BSTR&, T&& value) {
    using V = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<V, TComPtr<IDispatch>>) slot = TVariant(value.Get());
    else if constexpr (std::is_same_v<V, int>) slot = TVariant(static_cast<std::int32_t>(value));
    else slot = TVariant(value);
  }
  static void Pack(TVariant& slot, BSTR& holder, TInOutText value);
  template <class T>
  static void ReadBack(BSTR&, const T&) {}
  static void ReadBack(BSTR& holder, TInOutText& value);

  template <class R>
  static R Convert(const VARIANT& v) {
    if constexpr (std::is_same_v<R, std::int32_t>) return VariantToInt32(v);
    else if constexpr (std::is_same_v<R, std::uint32_t>) return static_cast<std::uint32_t>(VariantToInt32(v));
    else if constexpr (std::is_same_v<R, std::int64_t>) return VariantToInt64(v);
    else if constexpr (std::is_same_v<R, bool>) return VariantToBool(v);
    else if constexpr (std::is_same_v<R, double>) return VariantToDouble(v);
    else if constexpr (std::is_same_v<R, std::string>) return VariantToString(v);
    else if constexpr (std::is_same_v<R, TComPtr<IDispatch>>) return VariantToDispatch(v);
    else if constexpr (std::is_same_v<R, TVariant>) {
      TVariant copy;
      VariantCopy(copy.Ptr(), &v);
      return copy;
    } else static_assert(sizeof(R) == 0, "unsupported host result type");
  }

  TComPtr<IDispatch> FDispatch;
};
