// Loads arbitrary bytes as a return file: any input must end in a return or in an error the
// program reports, never in a crash, a leak or a read past the data. What loads must save
// again, and a saved return must load back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

#include "core/model/declaration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kvor::mTDeclaration declaration;
  try {
    declaration.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const std::exception&) {
    return 0;
  }
  // The first save may normalise what the file held (a date with more digits than are
  // written, a word kept in 16 bits); from then on the bytes must not change.
  std::string saved;
  try {
    saved = declaration.SaveToBytes();
  } catch (const std::exception&) {
    std::abort();  // a loaded return that cannot be saved
  }
  kvor::mTDeclaration reloaded;
  try {
    reloaded.LoadFromBytes(saved);
  } catch (const std::exception&) {
    std::abort();  // a saved return that cannot be loaded
  }
  if (reloaded.SaveToBytes() != saved) std::abort();
  return 0;
}
