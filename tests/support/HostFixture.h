// A test with the simulated host installed for its duration.
#pragma once

#include <gtest/gtest.h>

#include "hostsim/HostSim.h"

namespace testing_support {

class THostTest : public ::testing::Test {
 protected:
  THostTest() { Host.Install(); }
  THostSim Host;
};

}  // namespace testing_support
