// TSimObject: the base of every object of the simulated host. Each call on it is recorded in
// the host's event log under the object's name before it is dispatched; a subclass answers
// its DISPIDs in DispatchOwn with one table, anything else goes to the support-service level.
#pragma once

#include <memory>
#include <string>

#include "host/SupportService.h"
#include "hostsim/HostEventLog.h"

class TSimObject : public TAbstractSupportService {
 public:
  TSimObject(std::shared_ptr<THostEventLog> log, std::string name) : FLog(std::move(log)), FName(std::move(name)) {}

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  const std::string& Name() const { return FName; }
  THostEventLog& Log() const { return *FLog; }
  const std::shared_ptr<THostEventLog>& LogPtr() const { return FLog; }

 protected:
  // Runs the operation of `id` when this object has one (setting `status`); false otherwise.
  virtual bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) = 0;

 private:
  std::shared_ptr<THostEventLog> FLog;
  std::string FName;
};

// A reference to a simulated object as the plug-in receives it.
template <class T>
TComPtr<IDispatch> AsDispatchPtr(const TComPtr<T>& object) {
  return object ? TComPtr<IDispatch>(object->AsDispatch()) : TComPtr<IDispatch>();
}
