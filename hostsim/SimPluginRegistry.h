// The simulated plug-in registry: installed plug-in folders in registry order, each of which
// the host may mark to be skipped.
#pragma once

#include <string>
#include <vector>

#include "hostsim/SimObject.h"

struct TSimPluginEntry {
  std::string Folder;
  bool Skipped = false;
};

class TSimPluginRegistry : public TSimObject {
 public:
  using TSimObject::TSimObject;

  void Add(std::string folder, bool skipped = false) { FEntries.push_back({std::move(folder), skipped}); }
  void Clear() { FEntries.clear(); }
  const std::vector<TSimPluginEntry>& Entries() const { return FEntries; }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  std::int32_t Count() { return static_cast<std::int32_t>(FEntries.size()); }
  TComPtr<IDispatch> Item(std::int32_t index);

  std::vector<TSimPluginEntry> FEntries;
};
