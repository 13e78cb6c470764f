#include "platform/MidiPlayer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QMetaObject>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>

#include "platform/MidiFile.h"

namespace zandor {

namespace {

// The mixer has one music stream and one end-of-music hook, shared by every player.
std::atomic<MidiPlayer*> Owner{nullptr};
std::atomic<uint64_t> OwnerSerial{0};
std::atomic<bool> Halting{false};
bool HookInstalled = false;
// Guards Owner against a player going away while the hook posts to it. Never held across
// a mixer call: the hook runs with the audio device locked.
std::mutex OwnerLock;

// A translated text with %1 replaced by value's own bytes, whatever their encoding.
std::string Filled(const QString& text, const std::string& value) {
  std::string out = text.toStdString();
  if (const size_t at = out.find("%1"); at != std::string::npos) out.replace(at, 2, value);
  return out;
}

void HaltMusic() {
  Halting = true;
  Mix_HaltMusic();
  Halting = false;
}

}  // namespace

std::vector<std::string> MidiPlayer::DefaultSoundFonts() {
  return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
}

MidiPlayer::MidiPlayer(std::vector<std::string> soundFonts) : soundFonts_(std::move(soundFonts)) {}

MidiPlayer::~MidiPlayer() { Close(); }

// Runs on the audio thread with the device locked: it may only post, never touch the mixer.
void MidiPlayer::MusicFinished() {
  std::lock_guard lock(OwnerLock);
  MidiPlayer* p = Owner.load();
  if (!p) return;
  const uint64_t serial = OwnerSerial.load();
  const bool normal = !Halting.load();
  QMetaObject::invokeMethod(
      &p->context_, [p, serial, normal] { p->Deliver(serial, normal); }, Qt::QueuedConnection);
}

void MidiPlayer::Deliver(uint64_t serial, bool normal) {
  const bool current = serial == serial_ && music_ != nullptr;
  if (OnSongEnded) OnSongEnded(normal && current ? MediaNotify::Successful : MediaNotify::Aborted);
}

std::string MidiPlayer::Open(const std::string& path) {
  Close();
  std::ifstream in(path, std::ios::binary);
  if (!in) return Filled(tr("The specified file was not found: %1"), path);
  // A file far larger than any song would hold the window while it is read.
  std::error_code ec;
  if (const auto size = std::filesystem::file_size(path, ec); !ec && size > MaxSongBytes)
    return Filled(tr("The song is larger than 16 MB, too large to play: %1"), path);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
  std::vector<uint8_t> smf;
  // The file's check writes English marked in this class's context.
  if (std::string err = CheckMidiFile(bytes, smf); !err.empty())
    return QCoreApplication::translate("zandor::MidiPlayer", err.c_str()).toStdString() + " (" +
           path + ")";
  std::string font;
  for (const std::string& f : soundFonts_) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(f, ec)) {
      font = f;
      break;
    }
  }
  if (font.empty())
    return tr("No General MIDI soundfont was found, so MIDI music cannot play.").toStdString();
  Mix_SetSoundFonts(font.c_str());
  smf_ = std::move(smf);
  SDL_RWops* rw = SDL_RWFromConstMem(smf_.data(), static_cast<int>(smf_.size()));
  music_ = Mix_LoadMUSType_RW(rw, MUS_MID, 1);
  if (!music_) {
    smf_.clear();
    const char* e = Mix_GetError();
    //: %1 is the synthesiser's own explanation (in English), else the file's path.
    return Filled(tr("The MIDI device could not open the file: %1"), e && *e ? e : path);
  }
  return "";
}

std::string MidiPlayer::Play() {
  if (!music_) return tr("No MIDI file is open.").toStdString();
  if (!HookInstalled) {
    Mix_HookMusicFinished(&MidiPlayer::MusicFinished);
    HookInstalled = true;
  }
  // Whatever song sounds now (ours or another player's) ends as aborted.
  HaltMusic();
  {
    std::lock_guard lock(OwnerLock);
    Owner = this;
    OwnerSerial = ++serial_;
  }
  // Once through only: the playlist moves on by itself, and a song the synthesiser cannot
  // read then simply ends instead of retrying for ever.
  if (Mix_PlayMusic(music_, 1) != 0) {
    std::lock_guard lock(OwnerLock);
    Owner = nullptr;
    const char* e = Mix_GetError();
    //: %1 is the synthesiser's own explanation, in English.
    return Filled(tr("The MIDI device could not play the file: %1"), e ? e : "");
  }
  return "";
}

void MidiPlayer::Close() {
  if (Owner.load() == this) {
    HaltMusic();
    std::lock_guard lock(OwnerLock);
    Owner = nullptr;
  }
  ++serial_;
  if (music_) {
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  smf_.clear();
}

}  // namespace zandor
