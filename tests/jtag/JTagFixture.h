// Shared set-up of the JTAG tests: a driver of the loaded plug-in on a simulated chain, and
// configuration files written into a fresh folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/SimArtix7Bench.h"
#include "hostsim/SimBitstream.h"
#include "support/TestSupport.h"

class TJTagFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The driver of `kind` attached to a fresh chain of `length` devices, the part at `position`.
  TSimArtix7Bench& Attach(int length = 1, int position = 0, int kind = 0);
  TComPtr<IDispatch> Driver(int kind = 0) const { return testing_support::LoadedPlugin().Driver(kind); }

  std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
  std::string WriteText(const std::string& name, const std::string& text) const;
  // The sample bitstream of `name`, or "" (and the test is skipped) when the samples are absent.
  std::string SamplePath(const std::string& name) const;

  // Calls a driver member through Invoke, as the host does.
  testing_support::TInvokeResult Call(DISPID id, std::vector<TVariant> args = {}) const;
  std::int32_t Program(const std::string& path) const;
  std::int32_t State() const;

  std::filesystem::path FFolder;
  std::unique_ptr<TSimArtix7Bench> FBench;
};

// The bits as text, '0'/'1', in arrival order.
std::string BitsText(const std::vector<bool>& bits, std::size_t from = 0, std::size_t count = std::string::npos);
// A byte's 8 bits, most significant first.
std::string ByteBits(std::uint8_t byte);
