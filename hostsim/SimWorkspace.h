// The simulated workspace: its log lines, output setting and messages manager. Projects are
// added by the parts of the simulation that need them.
#pragma once

#include <string>
#include <vector>

#include "hostsim/SimMessages.h"

class TSimWorkspace : public TSimObject {
 public:
  TSimWorkspace(std::shared_ptr<THostEventLog> log, TComPtr<TSimMessagesManager> messages)
      : TSimObject(std::move(log), "Workspace"), FMessages(std::move(messages)) {}

  const std::vector<std::string>& LogLines() const { return FLogLines; }
  void SetOutputSetting(std::int32_t value) { FOutputSetting = value; }
  // Projects by path, in the order they were added.
  void AddProject(std::string path, TComPtr<IDispatch> project);

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  TComPtr<IDispatch> ProjectByPath(std::string path);
  TComPtr<IDispatch> ProjectByIndex(std::int32_t index);
  std::int32_t ProjectCount() { return static_cast<std::int32_t>(FProjects.size()); }
  void LogLine(std::string text, bool, bool) { FLogLines.push_back(std::move(text)); }
  std::int32_t OutputSetting() { return FOutputSetting; }
  TComPtr<IDispatch> MessagesManager() { return AsDispatchPtr(FMessages); }

  TComPtr<TSimMessagesManager> FMessages;
  std::vector<std::pair<std::string, TComPtr<IDispatch>>> FProjects;
  std::vector<std::string> FLogLines;
  std::int32_t FOutputSetting = 0;
};
