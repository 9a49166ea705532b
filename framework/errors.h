// Exceptions raised inside the framework. Texts are Czech UTF-8 and are shown to the user by the
// code that catches them at a subsystem edge.
#pragma once

#include <stdexcept>
#include <string>

namespace tarnik::framework {

// Any framework failure (path queries, register, streams, tools).
class EKelvaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A list index outside the list.
class EListError : public EKelvaError {
 public:
  using EKelvaError::EKelvaError;
};

// A class name the register does not know.
class EClassNotFound : public EKelvaError {
 public:
  using EKelvaError::EKelvaError;
};

}  // namespace tarnik::framework
