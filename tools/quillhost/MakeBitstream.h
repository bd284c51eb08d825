// The configuration stream that make-bitstream and demo write for a part.
#pragma once

#include <cstdint>
#include <string>

// Writes the stream for the part of `kind` to `path`; returns the bytes written.
std::size_t WriteDemoBitstream(std::int32_t kind, const std::string& path, std::uint32_t userCode, bool jtagClock,
                               bool textForm);
