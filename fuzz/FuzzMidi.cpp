// The MIDI file check on arbitrary bytes: it never reads outside the input, and whatever it
// accepts is a standard MIDI file that it accepts again on its own.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/MidiFile.h"

using namespace zandor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  std::vector<uint8_t> smf{0xAA};
  const std::string err = CheckMidiFile(bytes, smf);
  if (!err.empty()) {
    FUZZ_CHECK(err == "The file is not a valid MIDI file.");
    FUZZ_CHECK(smf.size() == 1 && smf[0] == 0xAA);
    return 0;
  }
  FUZZ_CHECK(smf.size() >= 14 && std::memcmp(smf.data(), "MThd", 4) == 0);
  FUZZ_CHECK(smf.size() <= size);
  std::vector<uint8_t> again;
  FUZZ_CHECK(CheckMidiFile(smf, again).empty() && again == smf);
  return 0;
}
