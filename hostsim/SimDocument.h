// Simulated host documents (told before and after the plug-in changes their file) and the
// notifications the host sends to registered handlers.
#pragma once

#include <cstdint>
#include <string>

#include "hostsim/SimObject.h"

class TSimDocument : public TSimObject {
 public:
  TSimDocument(std::shared_ptr<THostEventLog> log, std::string path)
      : TSimObject(std::move(log), "Document"), FPath(std::move(path)) {}
  const std::string& Path() const { return FPath; }
  // Open change brackets (100 before a change, 101 after it).
  std::int32_t ChangeDepth() const { return FChangeDepth; }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  void BeginModify() { ++FChangeDepth; }
  void EndModify() { --FChangeDepth; }
  std::string FPath;
  std::int32_t FChangeDepth = 0;
};

class TSimNotification : public TSimObject {
 public:
  TSimNotification(std::shared_ptr<THostEventLog> log, std::string kind, std::int32_t code, TComPtr<IDispatch> data)
      : TSimObject(std::move(log), "Notification"), FKind(std::move(kind)), FCode(code), FData(std::move(data)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  std::string Kind() { return FKind; }
  std::int32_t Code() { return FCode; }
  TComPtr<IDispatch> Data() { return FData; }
  std::string FKind;
  std::int32_t FCode;
  TComPtr<IDispatch> FData;
};
