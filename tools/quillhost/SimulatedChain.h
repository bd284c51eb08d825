// The one simulated JTAG chain of a quillhost process: built on first use with the layout of
// --chain, the Artix-7 part made for the first driver kind used; every driver used after it
// is attached to the same part.
#pragma once

#include <cstdint>
#include <string>

#include "host/ComPtr.h"

class TSimArtix7Bench;

struct TChainLayout {
  int Length = 1;
  int Position = 0;
};

// "N:POS": POS of N devices. Throws EQuillError for anything else.
TChainLayout ParseChainLayout(const std::string& text);
void SetChainLayout(TChainLayout layout);

// The driver of `kind` (one per kind and process), attached to the chain.
IDispatch* ChainDriver(std::int32_t kind);
// The chain; creates it for `kind` when there is none yet.
TSimArtix7Bench& ProcessChain(std::int32_t kind);
