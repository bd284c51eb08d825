// The simulated options manager: per-server option storage with readers and writers.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "hostsim/SimObject.h"

// (server, section, key) -> value text; keys compare without case as the host's storage does.
class TSimOptionStore {
 public:
  void Write(const std::string& server, const std::string& section, const std::string& key, std::string value);
  // The stored value, or none.
  const std::string* Read(const std::string& server, const std::string& section, const std::string& key) const;

 private:
  static std::string Key(const std::string& server, const std::string& section, const std::string& key);
  std::map<std::string, std::string> FValues;
};

class TSimOptionsManager : public TSimObject {
 public:
  TSimOptionsManager(std::shared_ptr<THostEventLog> log, std::shared_ptr<TSimOptionStore> store)
      : TSimObject(std::move(log), "OptionsManager"), FStore(std::move(store)) {}
  TSimOptionStore& Store() const { return *FStore; }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  TComPtr<IDispatch> Reader(std::string server, std::string unused);
  TComPtr<IDispatch> Writer(std::string server);
  std::shared_ptr<TSimOptionStore> FStore;
};
