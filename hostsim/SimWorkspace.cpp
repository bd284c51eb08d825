#include "hostsim/SimWorkspace.h"

#include "host/HostWorkspace.h"
#include "platform/Text.h"

bool TSimWorkspace::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimWorkspace> table{
      {workspace_dispid::kProjectByPath, Op<&TSimWorkspace::ProjectByPath>},
      {workspace_dispid::kProjectByIndex, Op<&TSimWorkspace::ProjectByIndex>},
      {workspace_dispid::kProjectCount, Op<&TSimWorkspace::ProjectCount>},
      {workspace_dispid::kLogLine, Op<&TSimWorkspace::LogLine>},
      {workspace_dispid::kOutputSetting, Op<&TSimWorkspace::OutputSetting>},
      {workspace_dispid::kMessagesManager, Op<&TSimWorkspace::MessagesManager>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

void TSimWorkspace::AddProject(std::string path, TComPtr<IDispatch> project) {
  FProjects.emplace_back(std::move(path), std::move(project));
}

TComPtr<IDispatch> TSimWorkspace::ProjectByPath(std::string path) {
  for (const auto& [projectPath, project] : FProjects)
    if (text::EqualsNoCase(projectPath, path)) return project;
  return {};
}

TComPtr<IDispatch> TSimWorkspace::ProjectByIndex(std::int32_t index) {
  if (index < 0 || index >= ProjectCount()) return {};
  return FProjects[static_cast<std::size_t>(index)].second;
}
