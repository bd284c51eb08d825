// The text forms of quillhost's probe: typed arguments in, one-line results out.
#pragma once

#include <string>
#include <string_view>

#include "host/Variant.h"

// "i4:N", "i8:N" (decimal or 0x hex), "str:TEXT", "bool:true|false", "r8:X".
// Throws EQuillError for any other form.
TVariant ParseTypedArgument(std::string_view text);

// VT_EMPTY, VT_I4 N, VT_I8 N, VT_BOOL true|false, VT_R8 X, VT_BSTR "TEXT", VT_DISPATCH null|object.
std::string FormatResult(const VARIANT& v);
