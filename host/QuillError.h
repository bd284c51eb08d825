// Exceptions raised inside the plug-in. They become status codes only at the dispatch boundary.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/OleAuto.h"

class EQuillError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An argument that is missing or of a type that cannot be converted.
class EArgumentError : public EQuillError {
 public:
  using EQuillError::EQuillError;
};

// A call on a host object that answered a failure status.
class EHostCallFailed : public EQuillError {
 public:
  EHostCallFailed(DISPID id, HRESULT hr);
  DISPID DispId() const { return FDispId; }
  HRESULT Status() const { return FStatus; }

 private:
  DISPID FDispId;
  HRESULT FStatus;
};
