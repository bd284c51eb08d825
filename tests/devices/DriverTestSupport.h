// Stand-ins for the host's JTAG objects and a driver whose part-specific answers a test can
// change, for the tests of the framework driver base.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/ReferencedObject.h"
#include "hostsim/SimObject.h"
#include "plugin/Device_Artix7_Driver.h"

// A chain device of the host's chain: its boundary-scan entity (or none) and its name.
class TFakeJTagDevice : public TSimObject {
 public:
  TFakeJTagDevice(std::shared_ptr<THostEventLog> log, TComPtr<IDispatch> entity, std::string name)
      : TSimObject(std::move(log), "JTagDevice"), FEntity(std::move(entity)), FName(std::move(name)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override {
    static const TDispatchTable<TFakeJTagDevice> table{
        {503550, Op<&TFakeJTagDevice::Entity>},
        {503558, Op<&TFakeJTagDevice::DeviceName>},
    };
    return table.Dispatch(*this, id, params, result, status);
  }

 private:
  TComPtr<IDispatch> Entity() { return FEntity; }
  std::string DeviceName() { return FName; }
  TComPtr<IDispatch> FEntity;
  std::string FName;
};

// The host's chain object, recording what the driver asks of it.
class TFakeChain : public TSimObject {
 public:
  explicit TFakeChain(std::shared_ptr<THostEventLog> log) : TSimObject(std::move(log), "JTagChannel") {}
  TComPtr<IDispatch> Device;  // what GetDevice answers

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override {
    static const TDispatchTable<TFakeChain> table{
        {503425, Op<&TFakeChain::Open>},          {503426, Op<&TFakeChain::Close>},
        {503579, Op<&TFakeChain::GetDevice>},     {503588, Op<&TFakeChain::ShiftData>},
        {503589, Op<&TFakeChain::ShiftDataRead>}, {503601, Op<&TFakeChain::SetInstruction>},
        {503605, Op<&TFakeChain::MoveState>},
    };
    return table.Dispatch(*this, id, params, result, status);
  }

 private:
  bool Open() { return true; }
  void Close() {}
  TComPtr<IDispatch> GetDevice(std::int32_t) { return Device; }
  void ShiftData(std::int32_t, std::int32_t, std::int32_t) {}
  std::int32_t ShiftDataRead(std::int32_t, std::int32_t, std::int32_t) { return 0; }
  void SetInstruction(std::int32_t, std::int32_t) {}
  void MoveState(std::int32_t, std::int32_t) {}
};

// The host's processor information object: its name.
class TFakeProcessorInformation : public TSimObject {
 public:
  TFakeProcessorInformation(std::shared_ptr<THostEventLog> log, std::string name)
      : TSimObject(std::move(log), "ProcessorInformation"), FName(std::move(name)) {}

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override {
    static const TDispatchTable<TFakeProcessorInformation> table{{503890, Op<&TFakeProcessorInformation::Name>}};
    return table.Dispatch(*this, id, params, result, status);
  }

 private:
  std::string Name() { return FName; }
  std::string FName;
};

class TFakeRackForm : public TRackForm {
 public:
  explicit TFakeRackForm(int* destroyed) : FDestroyed(destroyed) {}
  ~TFakeRackForm() override { ++*FDestroyed; }
  void SetQuillDevice(TComPtr<IDispatch> device) override { Device = std::move(device); }
  TComPtr<IDispatch> Device;

 private:
  int* FDestroyed;
};

// An Artix-7 driver whose vendor, library folder, device control, flows, viewer form and
// processor information a test can replace.
class TProbeDriver : public TDevice_Artix7Driver {
 public:
  TProbeDriver() : TDevice_Artix7Driver(eXC7A100T_1CSG324C) {}
  // Like the plug-in's drivers, a probe lives until the program ends: host objects may hold it.
  static TProbeDriver* Make() {
    static std::vector<std::unique_ptr<TProbeDriver>> drivers;
    return drivers.emplace_back(NewUncounted<TProbeDriver>()).get();
  }

  std::optional<std::string> Vendor;
  std::string LibraryFolder;
  std::function<bool()> Reset;
  std::function<std::int32_t(const std::string&)> Program;
  std::function<std::int32_t()> State;
  int FlowsCreated = 0;
  int FormsDestroyed = 0;
  bool MakeForms = false;
  TComPtr<IDispatch> Processor;

  std::string GetVendorName() override { return Vendor ? *Vendor : TDevice_Artix7Driver::GetVendorName(); }
  std::string GetFolder_Library() override {
    return LibraryFolder.empty() ? TDevice_Artix7Driver::GetFolder_Library() : LibraryFolder;
  }
  bool ResetDevice() override { return Reset ? Reset() : TDevice_Artix7Driver::ResetDevice(); }
  std::int32_t ProgramDevice(const std::string& file) override {
    return Program ? Program(file) : TDevice_Artix7Driver::ProgramDevice(file);
  }
  std::int32_t GetDeviceState() override { return State ? State() : TDevice_Artix7Driver::GetDeviceState(); }

  using TQuillDriver::ControlRegister;
  using TQuillDriver::RackForm;

 protected:
  TComPtr<IDispatch> CreateFlow(TFlowKind kind) override {
    ++FlowsCreated;
    if (kind == eFlowKind_Verify) return {};
    return TComPtr<IDispatch>(MakeObject<TFakeChain>(std::make_shared<THostEventLog>())->AsDispatch());
  }
  std::unique_ptr<TRackForm> NewRackForm(TComPtr<IDispatch>, TComPtr<IDispatch>) override {
    if (!MakeForms) return nullptr;
    return std::make_unique<TFakeRackForm>(&FormsDestroyed);
  }
  bool GetProcessorInformation(TComPtr<IDispatch>& information) override {
    information = Processor;
    return static_cast<bool>(Processor);
  }
};
