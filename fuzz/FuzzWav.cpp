// The wave loading path on arbitrary bytes: the effect file read into memory, decoded by
// the mixer and started on the effects channel, as the fixed effects are, with no crash,
// no read outside the image and nothing left behind when the service closes.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/SoundEffects.h"
#include "fuzz/FuzzSupport.h"
#include "machine/GameState.h"
#include "platform/SdlAudio.h"

using namespace zandor;

namespace {

// Opening the mixer costs tens of milliseconds, so one service serves a batch of inputs. It
// keeps every image it decoded, keyed by the image's address, which is right for the four
// fixed effects; here each input's effects stay alive until the batch ends, so no address is
// reused within a batch, and the batch's end frees everything it decoded.
struct Batch {
  std::unique_ptr<SdlAudio> Audio;
  std::vector<std::unique_ptr<GameState>> Games;
  std::vector<std::unique_ptr<SoundEffects>> Effects;

  void Reset() {
    Effects.clear();
    Games.clear();
    Audio = std::make_unique<SdlAudio>();
  }
};

constexpr size_t kBatch = 256;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Batch batch;
  if (!batch.Audio || batch.Effects.size() >= kBatch) batch.Reset();
  FUZZ_CHECK(batch.Audio->IsOpen());

  const ScratchFolder& dir = FuzzDir();
  std::filesystem::create_directories(dir.Path() + "wav");
  dir.Write("wav/ZANDOR0.WAV", data, size);

  GameState& g = *batch.Games.emplace_back(std::make_unique<GameState>());
  g.Dirs.Program = dir.Path() + "wav/";
  SoundEffects& effects =
      *batch.Effects.emplace_back(std::make_unique<SoundEffects>(g.Sound, g.Dirs, *batch.Audio));
  const std::string err = effects.LoadEffectSounds();
  FUZZ_CHECK(err.find("ZANDOR0.WAV") == std::string::npos);
  FUZZ_CHECK(effects.Image(0) == std::vector<uint8_t>(data, data + size));
  g.Sound.On = g.Sound.Stop = true;
  effects.PlayStopSound();
  batch.Audio->StopEffects();
  return 0;
}
