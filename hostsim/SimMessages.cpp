#include "hostsim/SimMessages.h"

#include "host/ParameterList.h"

bool TSimMessagesManager::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimMessagesManager> table{
      {messages_dispid::kAddMessage, Op<&TSimMessagesManager::AddMessage>},
      {messages_dispid::kAddMessageParametric, Op<&TSimMessagesManager::AddMessageParametric>},
      {messages_dispid::kBeginUpdate, Op<&TSimMessagesManager::BeginUpdate>},
      {messages_dispid::kEndUpdate, Op<&TSimMessagesManager::EndUpdate>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

void TSimMessagesManager::AddMessage(std::string messageClass, std::string text, std::string source,
                                     std::string document, std::string callBackProcess,
                                     std::string callBackParameters, std::int32_t imageIndex, bool, std::string,
                                     std::string) {
  FMessages.push_back({std::move(messageClass), std::move(text), std::move(source), std::move(document),
                       std::move(callBackProcess), std::move(callBackParameters), imageIndex});
}

void TSimMessagesManager::AddMessageParametric(std::string parameters, std::string) {
  TParameterList list;
  list.SetState(parameters);
  TMessage message;
  list.GetState_ParameterAsString("Class", message.Class);
  list.GetState_ParameterAsString("Text", message.Text);
  list.GetState_ParameterAsString("Source", message.Source);
  list.GetState_ParameterAsString("Document", message.Document);
  list.GetState_ParameterAsString("CallBackProcess", message.CallBackProcess);
  list.GetState_ParameterAsInteger("ImageIndex", message.ImageIndex);
  FMessages.push_back(std::move(message));
}

bool TSimMessagesWorkspace::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimMessagesWorkspace> table{
      {messages_dispid::kMessagesManager, Op<&TSimMessagesWorkspace::MessagesManager>},
  };
  return table.Dispatch(*this, id, params, result, status);
}
