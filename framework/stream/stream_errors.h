// Errors of the model stream tools; they reach the caller of Execute. Texts are Czech UTF-8.
#pragma once

#include "framework/errors.h"

namespace tarnik::framework {

// A model file that cannot be opened, created, or read (wrong signature, damaged contents).
class EBadStream : public EKelvaError {
 public:
  using EKelvaError::EKelvaError;
};

// An empty or unusable model file name.
class EBadStreamName : public EBadStream {
 public:
  using EBadStream::EBadStream;
};

}  // namespace tarnik::framework
