// Loads arbitrary bytes as a return file: any input must end in a return or in an error the
// program reports, never in a crash, a leak or a read past the data.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "core/model/declaration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kvor::mTDeclaration declaration;
  try {
    declaration.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
    // What loads must save again.
    declaration.SaveToBytes();
  } catch (const std::exception&) {
  }
  return 0;
}
