#include "hostsim/SimOptionsManager.h"

#include "host/HostManagers.h"
#include "host/ReferencedObject.h"
#include "platform/Text.h"

std::string TSimOptionStore::Key(const std::string& server, const std::string& section, const std::string& key) {
  return text::LowerAscii(server) + '\x1F' + text::LowerAscii(section) + '\x1F' + text::LowerAscii(key);
}

void TSimOptionStore::Write(const std::string& server, const std::string& section, const std::string& key,
                            std::string value) {
  FValues[Key(server, section, key)] = std::move(value);
}

const std::string* TSimOptionStore::Read(const std::string& server, const std::string& section,
                                         const std::string& key) const {
  const auto it = FValues.find(Key(server, section, key));
  return it != FValues.end() ? &it->second : nullptr;
}

namespace {

class TSimOptionsReader : public TSimObject {
 public:
  TSimOptionsReader(std::shared_ptr<THostEventLog> log, std::shared_ptr<TSimOptionStore> store, std::string server)
      : TSimObject(std::move(log), "OptionsReader"), FStore(std::move(store)), FServer(std::move(server)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override {
    static const TDispatchTable<TSimOptionsReader> table{
        {options_dispid::kReadBoolean, Op<&TSimOptionsReader::ReadBoolean>},
    };
    return table.Dispatch(*this, id, params, result, status);
  }

 private:
  bool ReadBoolean(std::string section, std::string key, bool fallback) {
    const std::string* value = FStore->Read(FServer, section, key);
    if (value == nullptr) return fallback;
    return text::EqualsNoCase(*value, "true") || *value == "1";
  }
  std::shared_ptr<TSimOptionStore> FStore;
  std::string FServer;
};

class TSimOptionsWriter : public TSimObject {
 public:
  TSimOptionsWriter(std::shared_ptr<THostEventLog> log, std::shared_ptr<TSimOptionStore> store, std::string server)
      : TSimObject(std::move(log), "OptionsWriter"), FStore(std::move(store)), FServer(std::move(server)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override {
    static const TDispatchTable<TSimOptionsWriter> table{
        {options_dispid::kWrite, Op<&TSimOptionsWriter::Write>},
    };
    return table.Dispatch(*this, id, params, result, status);
  }

 private:
  void Write(std::string section, std::string key, std::string value) {
    FStore->Write(FServer, section, key, std::move(value));
  }
  std::shared_ptr<TSimOptionStore> FStore;
  std::string FServer;
};

}  // namespace

bool TSimOptionsManager::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimOptionsManager> table{
      {options_dispid::kReader, Op<&TSimOptionsManager::Reader>},
      {options_dispid::kWriter, Op<&TSimOptionsManager::Writer>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

TComPtr<IDispatch> TSimOptionsManager::Reader(std::string server, std::string) {
  return AsDispatchPtr(MakeObject<TSimOptionsReader>(LogPtr(), FStore, std::move(server)));
}

TComPtr<IDispatch> TSimOptionsManager::Writer(std::string server) {
  return AsDispatchPtr(MakeObject<TSimOptionsWriter>(LogPtr(), FStore, std::move(server)));
}
