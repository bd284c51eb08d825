#include "hostsim/SimArtix7Bench.h"

#include "host/HostObject.h"
#include "host/QuillError.h"

namespace {

// The boundary length of the part's BSDL description as the driver hands it to a host
// (GetBSDLEntity, then the entity's GetBoundaryLength); the model's default when the driver
// finds no description.
int BoundaryLengthOf(const TComPtr<IDispatch>& driver) {
  try {
    const auto entity = THostObject(driver).Call<TComPtr<IDispatch>>(503406);
    if (entity) {
      const auto length = THostObject(entity).Call<std::int32_t>(503461);
      if (length > 0) return length;
    }
  } catch (const EQuillError&) {
  }
  return TSimArtix7::kDefaultBoundaryLength;
}

}  // namespace

TSimArtix7Bench::TSimArtix7Bench(TComPtr<IDispatch> driver, int length, int position)
    : FDriver(std::move(driver)), FChain(std::make_shared<TSimJTagChain>()), FPosition(position) {
  if (!FDriver) throw EQuillError("no driver to attach the simulated chain to");
  if (length < 1 || length > 64 || position < 0 || position >= length)
    throw EQuillError("chain position " + std::to_string(position) + " of " + std::to_string(length) +
                      " devices is not possible");
  const auto idCode = THostObject(FDriver).Call<std::uint32_t>(503379);
  for (int p = 0; p < length; ++p) {
    if (p == position) FPart = &FChain->Add(std::make_unique<TSimArtix7>(idCode, BoundaryLengthOf(FDriver)));
    else FChain->Add(std::make_unique<TSimBypassDevice>(kOtherIrLength));
  }
  FChannel = MakeObject<TSimJTagChannel>(FChain);
  FDevice = MakeObject<TSimQuillDevice>(std::make_shared<THostEventLog>(), FDriver, position);
  FDevice->SetJTagChannel(TComPtr<IDispatch>(FChannel.Get()));
}

TSimArtix7Bench::~TSimArtix7Bench() {
  try {
    Detach();
  } catch (...) {
  }
}

void TSimArtix7Bench::Attach() {
  THostObject(FDriver).Call<bool>(503754, AsDispatchPtr(FDevice));
  FAttached = true;
}

void TSimArtix7Bench::AttachDriver(TComPtr<IDispatch> driver) {
  if (driver == FDriver) return Attach();
  auto device = MakeObject<TSimQuillDevice>(FDevice->LogPtr(), driver, FPosition);
  device->SetJTagChannel(TComPtr<IDispatch>(FChannel.Get()));
  THostObject(driver).Call<bool>(503754, AsDispatchPtr(device));
  FOtherDrivers.push_back(std::move(driver));
}

void TSimArtix7Bench::Detach() {
  for (const auto& driver : FOtherDrivers) THostObject(driver).Call<bool>(503754, TComPtr<IDispatch>());
  FOtherDrivers.clear();
  if (!FAttached) return;
  FAttached = false;
  THostObject(FDriver).Call<bool>(503754, TComPtr<IDispatch>());
}
