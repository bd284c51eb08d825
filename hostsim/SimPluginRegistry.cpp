#include "hostsim/SimPluginRegistry.h"

#include "host/HostClient.h"
#include "host/ReferencedObject.h"

namespace {

class TSimPluginRegistryItem : public TSimObject {
 public:
  TSimPluginRegistryItem(std::shared_ptr<THostEventLog> log, TSimPluginEntry entry)
      : TSimObject(std::move(log), "PluginRegistryItem"), FEntry(std::move(entry)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override {
    static const TDispatchTable<TSimPluginRegistryItem> table{
        {plugin_registry_dispid::kItemFolder, Op<&TSimPluginRegistryItem::Folder>},
        {plugin_registry_dispid::kItemSkipped, Op<&TSimPluginRegistryItem::Skipped>},
    };
    return table.Dispatch(*this, id, params, result, status);
  }

 private:
  std::string Folder() { return FEntry.Folder; }
  std::int32_t Skipped() { return FEntry.Skipped ? 1 : 0; }
  TSimPluginEntry FEntry;
};

}  // namespace

bool TSimPluginRegistry::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimPluginRegistry> table{
      {plugin_registry_dispid::kCount, Op<&TSimPluginRegistry::Count>},
      {plugin_registry_dispid::kItem, Op<&TSimPluginRegistry::Item>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

TComPtr<IDispatch> TSimPluginRegistry::Item(std::int32_t index) {
  if (index < 0 || index >= Count()) return {};
  return AsDispatchPtr(MakeObject<TSimPluginRegistryItem>(LogPtr(), FEntries[static_cast<std::size_t>(index)]));
}
