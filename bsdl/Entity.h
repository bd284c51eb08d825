// TEntity: a named description object with the generic VHDL lists (ports, generics,
// attributes, constants). The boundary-scan entity keeps them empty.
#pragma once

#include <string>
#include <vector>

#include "host/ReferencedObject.h"

class TEntity : public TDispatchObjectNoRef {
 public:
  std::string Name;
  std::vector<std::string> Ports;
  std::vector<std::string> Generics;
  std::vector<std::string> Attributes;
  std::vector<std::string> Constants;
};
