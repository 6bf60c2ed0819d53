// The framework's error classes. Readers of outside data throw these, never
// anything else, so callers can show the message and go on.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
  virtual const char* ClassName() const { return "Exception"; }
};

#define SORTARIUM_EXCEPTION(Name, Base)                              \
  class Name : public Base {                                         \
   public:                                                           \
    using Base::Base;                                                \
    const char* ClassName() const override { return #Name; }        \
  }

SORTARIUM_EXCEPTION(EStreamError, Exception);
SORTARIUM_EXCEPTION(EFOpenError, EStreamError);
SORTARIUM_EXCEPTION(EReadError, EStreamError);
SORTARIUM_EXCEPTION(EWriteError, EStreamError);
SORTARIUM_EXCEPTION(EResNotFound, Exception);
SORTARIUM_EXCEPTION(EConvertError, Exception);
SORTARIUM_EXCEPTION(EInvalidGraphic, Exception);
SORTARIUM_EXCEPTION(EInvalidOperation, Exception);
SORTARIUM_EXCEPTION(EOutOfResources, Exception);
SORTARIUM_EXCEPTION(EListError, Exception);
SORTARIUM_EXCEPTION(EClassNotFound, Exception);

// Messages of the framework, with %s where a name goes.
inline constexpr const char* SFOpenError = "Cannot open file %s";
inline constexpr const char* SReadError = "Failed to Load Stream";
inline constexpr const char* SResNotFound = "Resource %s not found";
inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* SInvalidImage = "Invalid image";
inline constexpr const char* SUnknownExtension = "Unknown picture file extension (.%s)";
inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* SInvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SCannotFocus =
    "Cannot focus a disabled or invisible window";
