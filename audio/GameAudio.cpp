#include "audio/GameAudio.h"

#include <QCoreApplication>

#include "audio/MusicDialog.h"
#include "audio/SoundDialog.h"
#include "audio/VolumeDialog.h"
#include "platform/Language.h"
#include "platform/MidiPlayer.h"
#include "platform/Prompts.h"
#include "platform/SdlAudio.h"
#include "store/PlayerIni.h"

namespace zandor {

GameAudio::GameAudio(SoundSettings& sounds, MusicSettings& music, const Folders& dirs,
                     Prompts& prompts, QWidget* window, PlayerIni* playerFile)
    : sounds_(sounds),
      music_(music),
      dirs_(dirs),
      prompts_(prompts),
      window_(window),
      playerFile_(playerFile),
      sdl_(std::make_unique<SdlAudio>()),
      player_(std::make_unique<MidiPlayer>()),
      effects_(std::make_unique<SoundEffects>(sounds, dirs, *sdl_)),
      playlist_(std::make_unique<Playlist>(music, *player_, static_cast<PlaylistUi&>(*this))) {
  player_->OnSongEnded = [this](MediaNotify how) { playlist_->SongEnded(how); };
  ApplyVolume(playerFile_ ? LoadVolume(*playerFile_) : Volume{});
}

GameAudio::~GameAudio() {
  Shutdown();
  // The players go before the mixer they play through.
  playlist_.reset();
  player_.reset();
  sdl_.reset();
}

std::string GameAudio::LoadEffectSounds() {
  if (effects_->LoadEffectSounds().empty()) return {};
  return Translated(effects_->LoadError()).toStdString();
}
void GameAudio::Play(Effect e) { effects_->Play(e); }
void GameAudio::StartMusic() { playlist_->StartMusic(); }
void GameAudio::StartPendingSong() { playlist_->StartPendingSong(); }
void GameAudio::ToggleMusic() { playlist_->ToggleMusic(); }
void GameAudio::ChooseSongs() { playlist_->ChooseSongs(); }

void GameAudio::ChooseSounds() {
  SoundDialog form(
      sounds_, dirs_, [this](const std::string& path) { effects_->Preview(path); }, prompts_,
      window_);
  form.exec();
}

void GameAudio::Shutdown() {
  playlist_->Shutdown();
  sdl_->StopEffects();
}

void GameAudio::ApplyVolume(const Volume& v) {
  volume_ = v;
  sdl_->SetVolumes(v.Effects, v.Music);
}

void GameAudio::ChangeVolume() {
  // The coin is short and always loaded, so it can sound at every step of a drag.
  VolumeDialog dlg(
      volume_, [this](const Volume& v) { ApplyVolume(v); },
      [this] { sdl_->PlayAsync(effects_->Image(2)); }, prompts_, window_);
  if (dlg.exec() != QDialog::Accepted) return;
  ApplyVolume(dlg.Chosen());
  if (!playerFile_) return;
  StoreVolume(*playerFile_, volume_);
  if (!playerFile_->Save())
    prompts_.Warn(window_, UnableToWrite().arg(QString::fromStdString(playerFile_->Path())));
}

std::string GameAudio::Driver() const { return sdl_->Driver(); }

void GameAudio::ShowError(const std::string& text) {
  prompts_.ReportError(window_, QString::fromStdString(text));
}

void GameAudio::ShowWarning(const std::string& text) {
  prompts_.Warn(window_, QCoreApplication::translate("zandor::Playlist", text.c_str()));
}

void GameAudio::RunMusicDialog() {
  MidiPlayer player2;
  MusicDialog form(music_, dirs_, player2, prompts_, window_);
  form.exec();
}

}  // namespace zandor
