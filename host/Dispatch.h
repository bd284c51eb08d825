// The dispatch convention: one table per class from DISPID to operation.
//
//   static const TDispatchTable<TMyClass> table{
//       {503379, Op<&TMyClass::GetIdCode>},
//       {503411, Op<&TMyClass::GetDevicePin>},
//   };
//
// `Op<&Class::Method>` reads the method's arguments from DISPPARAMS (held last-first),
// converts each to the parameter type, calls the method and packs its result. Any exception,
// a missing argument and an unconvertible one all end as 0x8000FFFF ("safecall"); the method
// is not called when an argument fails.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/QuillError.h"
#include "host/Variant.h"
#include "platform/OleAuto.h"

// A by-reference Boolean flag: the operation sees a 32-bit cell that starts with the reference
// word of its VARIANT and is written back through the reference as a VARIANT_BOOL.
struct TByRefFlag {
  std::int32_t Cell = 0;
};

// A 32-bit value taken unconverted from the data word of its VARIANT.
struct TRawWord {
  std::uint32_t Value = 0;
};

namespace dispatch {

// The VARIANT of declared argument `index` (0 = first) of `count`, or an EArgumentError.
const VARIANT& ArgumentAt(const DISPPARAMS* params, std::size_t index, std::size_t count);

template <class T>
struct Arg;

template <>
struct Arg<std::int32_t> {
  static std::int32_t Read(const VARIANT& v) { return VariantToInt32(v); }
};
template <>
struct Arg<std::uint32_t> {
  static std::uint32_t Read(const VARIANT& v) { return static_cast<std::uint32_t>(VariantToInt32(v)); }
};
template <>
struct Arg<std::int64_t> {
  static std::int64_t Read(const VARIANT& v) { return VariantToInt64(v); }
};
template <>
struct Arg<bool> {
  static bool Read(const VARIANT& v) { return VariantToBool(v); }
};
template <>
struct Arg<double> {
  static double Read(const VARIANT& v) { return VariantToDouble(v); }
};
template <>
struct Arg<std::string> {
  static std::string Read(const VARIANT& v) { return VariantToString(v); }
};
template <>
struct Arg<TComPtr<IDispatch>> {
  static TComPtr<IDispatch> Read(const VARIANT& v) { return VariantToDispatch(v); }
};
template <>
struct Arg<TByRefFlag> {
  static TByRefFlag Read(const VARIANT& v);
  static void WriteBack(const VARIANT& v, const TByRefFlag& flag);
};
template <>
struct Arg<TRawWord> {
  static TRawWord Read(const VARIANT& v) { return TRawWord{v.ulVal}; }
};

template <class T>
concept HasWriteBack = requires(const VARIANT& v, const T& t) { Arg<T>::WriteBack(v, t); };

template <class M>
struct Method;
template <class C, class R, class... A>
struct Method<R (C::*)(A...)> {
  using Result = R;
  using Args = std::tuple<std::remove_cvref_t<A>...>;
};
template <class C, class R, class... A>
struct Method<R (C::*)(A...) const> : Method<R (C::*)(A...)> {};

template <class Self, auto M, std::size_t... I>
HRESULT CallWithArgs(Self& self, DISPPARAMS* params, VARIANT* result, std::index_sequence<I...>) {
  using Traits = Method<decltype(M)>;
  using Args = typename Traits::Args;
  [[maybe_unused]] constexpr std::size_t count = sizeof...(I);
  (void)params;
  // Braced initialisation reads the arguments in declaration order; all are read before the call.
  Args args{Arg<std::tuple_element_t<I, Args>>::Read(ArgumentAt(params, I, count))...};
  if constexpr (std::is_void_v<typename Traits::Result>) {
    (self.*M)(std::get<I>(args)...);
  } else {
    auto value = (self.*M)(std::get<I>(args)...);
    if (result != nullptr) PackResult(result, std::move(value));
  }
  (
      [&] {
        using T = std::tuple_element_t<I, Args>;
        if constexpr (HasWriteBack<T>) Arg<T>::WriteBack(ArgumentAt(params, I, count), std::get<I>(args));
      }(),
      ...);
  return S_OK;
}

}  // namespace dispatch

template <class Self>
using TOperation = HRESULT (*)(Self& self, DISPPARAMS* params, VARIANT* result);

// Safecall wrapper of one operation: every exception becomes 0x8000FFFF.
template <auto M, class Self>
HRESULT OpOf(Self& self, DISPPARAMS* params, VARIANT* result) noexcept {
  try {
    using Args = typename dispatch::Method<decltype(M)>::Args;
    return dispatch::CallWithArgs<Self, M>(self, params, result,
                                           std::make_index_sequence<std::tuple_size_v<Args>>{});
  } catch (...) {
    return E_UNEXPECTED;
  }
}

template <auto M>
struct TOpTag {};
// `Op<&Class::Method>`: the operation of one table row.
template <auto M>
constexpr TOpTag<M> Op{};

template <class Self>
struct TDispatchEntry {
  template <auto M>
  TDispatchEntry(DISPID id, TOpTag<M>) : Id(id), Call(&OpOf<M, Self>) {}
  DISPID Id;
  TOperation<Self> Call;
};

template <class Self>
class TDispatchTable {
 public:
  TDispatchTable(std::initializer_list<TDispatchEntry<Self>> entries) : FEntries(entries) {
    std::sort(FEntries.begin(), FEntries.end(),
              [](const TDispatchEntry<Self>& a, const TDispatchEntry<Self>& b) { return a.Id < b.Id; });
  }
  TOperation<Self> Find(DISPID id) const {
    auto it = std::lower_bound(FEntries.begin(), FEntries.end(), id,
                               [](const TDispatchEntry<Self>& e, DISPID key) { return e.Id < key; });
    return it != FEntries.end() && it->Id == id ? it->Call : nullptr;
  }
  // Runs the operation of `id` when this table has it; false hands the call to the parent.
  bool Dispatch(Self& self, DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) const {
    if (TOperation<Self> op = Find(id)) {
      status = op(self, params, result);
      return true;
    }
    return false;
  }

 private:
  std::vector<TDispatchEntry<Self>> FEntries;
};
