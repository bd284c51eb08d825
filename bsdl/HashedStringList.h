// THashedStringList: a hashed list of objects keyed by text compared without case; the first
// object filed under a key keeps it.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/Text.h"

template <class T>
class THashedStringList {
 public:
  // The object under `key`, or null.
  T* Find(std::string_view key) {
    const auto it = FItems.find(text::LowerAscii(key));
    return it == FItems.end() ? nullptr : &it->second;
  }
  // Files `value` under `key` unless the key is taken; returns the object under the key.
  T& Add(std::string_view key, T value) { return FItems.try_emplace(text::LowerAscii(key), std::move(value)).first->second; }
  void Clear() { FItems.clear(); }
  std::size_t Count() const { return FItems.size(); }

 private:
  std::unordered_map<std::string, T> FItems;
};
