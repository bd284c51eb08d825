// The simulated messages panel: the messages workspace and its messages manager, which keeps
// every message posted.
#pragma once

#include <vector>

#include "host/HostManagers.h"
#include "hostsim/SimObject.h"

class TSimMessagesManager : public TSimObject {
 public:
  using TSimObject::TSimObject;
  const std::vector<TMessage>& Messages() const { return FMessages; }
  std::int32_t UpdateDepth() const { return FUpdateDepth; }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  void AddMessage(std::string messageClass, std::string text, std::string source, std::string document,
                  std::string callBackProcess, std::string callBackParameters, std::int32_t imageIndex, bool replace,
                  std::string extra1, std::string extra2);
  void AddMessageParametric(std::string parameters, std::string details);
  void BeginUpdate() { ++FUpdateDepth; }
  void EndUpdate() { --FUpdateDepth; }

  std::vector<TMessage> FMessages;
  std::int32_t FUpdateDepth = 0;
};

class TSimMessagesWorkspace : public TSimObject {
 public:
  TSimMessagesWorkspace(std::shared_ptr<THostEventLog> log, TComPtr<TSimMessagesManager> manager)
      : TSimObject(std::move(log), "MessagesWorkspace"), FManager(std::move(manager)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  TComPtr<IDispatch> MessagesManager() { return AsDispatchPtr(FManager); }
  TComPtr<TSimMessagesManager> FManager;
};
