// The eight built-in boundary-scan descriptions of the Artix-7 packages, in the order of
// the driver's BSDL list. Every field fixed for the family is compiled in; the pin and cell
// rows come from the generated rows (empty when the vendor file was not available).
#pragma once

#include <array>
#include <string_view>

#include "bsdl/BSDLParameters.h"

extern const std::array<std::string_view, 8> kBuiltInBSDLFileNames;

// The index 0-7 of `fileName` (without case; the last match; 0 when none matches).
int IndexOfBuiltInBSDL(std::string_view fileName);

// The complete record of built-in description `index` (0-7), made on first use.
const TBSDLParameters& BuiltInBSDL(int index);

// True when the record carries the pin and cell rows of the vendor's file.
bool HasBuiltInRows(int index);
