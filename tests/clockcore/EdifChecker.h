// A small structural checker of EDIF 2 0 0 netlists: the text must be one balanced
// (edif ...) form of version 2 0 0, and every cellRef, viewRef, instanceRef and portRef must
// resolve to a declared cell, view, instance or port (array members within the array).
// Keywords compare without case, as EDIF defines them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace edif {

// Every problem found, one text each; empty for a well-formed netlist.
std::vector<std::string> CheckNetlist(std::string_view text);

}  // namespace edif
