// The root of everything that can be stored in a window description: it
// knows its class name and can copy itself from another of its kind.
#pragma once

#include <string>

#include "framework/base/Exceptions.h"

class TPersistent {
 public:
  virtual ~TPersistent() = default;
  virtual std::string ClassName() const { return "TPersistent"; }
  // Copies the state of `source`; throws EConvertError when the kinds differ.
  virtual void Assign(const TPersistent& source);
};

// Declares the class name of a persistent class: `SORTARIUM_CLASS(TPanel)`.
#define SORTARIUM_CLASS(Name) \
  std::string ClassName() const override { return #Name; }
