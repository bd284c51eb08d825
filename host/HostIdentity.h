// Who runs the plug-in: each value read once and cached.
#pragma once

#include <string>

std::string ThisComputerName();
std::string ThisUserName();
// The process identifier as decimal text.
std::string ThisProcessID();
