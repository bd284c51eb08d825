#include "JTagFixture.h"

#include <unistd.h>

#include <fstream>

#include "host/QuillError.h"

void TJTagFixture::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "artix7_jtag_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  FFolder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(FFolder);
  std::filesystem::create_directories(FFolder);
}

void TJTagFixture::TearDown() {
  FBench.reset();
  std::error_code ignored;
  std::filesystem::remove_all(FFolder, ignored);
}

TSimArtix7Bench& TJTagFixture::Attach(int length, int position, int kind) {
  FBench.reset();
  FBench = std::make_unique<TSimArtix7Bench>(Driver(kind), length, position);
  FBench->Attach();
  return *FBench;
}

std::string TJTagFixture::WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
  const std::string path = (FFolder / name).string();
  simbitstream::WriteFile(path, bytes);
  return path;
}

std::string TJTagFixture::WriteText(const std::string& name, const std::string& text) const {
  return WriteFile(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string TJTagFixture::SamplePath(const std::string& name) const {
  const std::string shared = testing_support::SharedDir();
  const std::string path = shared.empty() ? std::string() : shared + "/samples/bit/" + name;
  if (path.empty() || !std::filesystem::exists(path)) return {};
  return path;
}

testing_support::TInvokeResult TJTagFixture::Call(DISPID id, std::vector<TVariant> args) const {
  return testing_support::Invoke(FBench->Driver(), id, std::move(args));
}

std::int32_t TJTagFixture::Program(const std::string& path) const {
  const auto result = Call(503788, {TVariant(path)});
  EXPECT_EQ(result.Status, S_OK);
  return result.Value.Type() == VT_I4 ? result.Value.Raw().lVal : -1;
}

std::int32_t TJTagFixture::State() const {
  const auto result = Call(503787);
  EXPECT_EQ(result.Status, S_OK);
  return result.Value.Type() == VT_I4 ? result.Value.Raw().lVal : -1;
}

std::string BitsText(const std::vector<bool>& bits, std::size_t from, std::size_t count) {
  std::string text;
  for (std::size_t i = from; i < bits.size() && text.size() < count; ++i) text.push_back(bits[i] ? '1' : '0');
  return text;
}

std::string ByteBits(std::uint8_t byte) {
  std::string text;
  for (int bit = 7; bit >= 0; --bit) text.push_back(((byte >> bit) & 1) != 0 ? '1' : '0');
  return text;
}
