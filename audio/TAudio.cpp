#include "audio/TAudio.h"

#include "audio/AudioDialogs.h"
#include "audio/TMusicForm.h"
#include "audio/TSoundForm.h"
#include "audio/VolumeDialog.h"
#include "platform/TMidiPlayer.h"
#include "platform/TSdlAudio.h"

TAudio::TAudio(TGame& g, QWidget* window)
    : g_(g),
      window_(window),
      sdl_(std::make_unique<TSdlAudio>()),
      player1_(std::make_unique<TMidiPlayer>()),
      effects_(std::make_unique<TEffects>(g, *sdl_)),
      playlist_(std::make_unique<TPlaylist>(g, *player1_, static_cast<PlaylistUi&>(*this))) {
  player1_->OnNotify = [this](MediaNotify how) { playlist_->MediaPlayer1Notify(how); };
  // Without a settings folder (a bare test) nothing is read and the sound stays at full.
  ApplyVolume(g.SettingsDir.empty() ? Volume{} : LoadVolume(g.SettingsDir));
}

TAudio::~TAudio() {
  Shutdown();
  // The players go before the mixer they play through.
  playlist_.reset();
  player1_.reset();
  sdl_.reset();
}

std::string TAudio::LoadEffectSounds() { return effects_->LoadEffectSounds(); }
void TAudio::Play(Effect e) { effects_->Play(e); }
void TAudio::Timer2Timer() { playlist_->Timer2Timer(); }
void TAudio::StartPendingSong() { playlist_->StartPendingSong(); }
void TAudio::On2Click() { playlist_->On2Click(); }
void TAudio::ChangeSongs1Click() { playlist_->ChangeSongs1Click(); }

void TAudio::ChangeWAVs1Click() {
  TSoundForm form(
      g_, [this](const std::string& path) { effects_->Preview(path); }, window_);
  form.exec();
}

void TAudio::Shutdown() {
  playlist_->Shutdown();
  sdl_->StopEffects();
}

void TAudio::ApplyVolume(const Volume& v) {
  volume_ = v;
  sdl_->SetVolumes(v.Effects, v.Music);
}

void TAudio::ChangeVolume() {
  // The coin is short and always loaded, so it can sound at every step of a drag.
  VolumeDialog dlg(
      volume_, [this](const Volume& v) { ApplyVolume(v); },
      [this] { sdl_->PlayAsync(effects_->Image(2)); }, window_);
  if (dlg.exec() != QDialog::Accepted) return;
  ApplyVolume(dlg.Chosen());
  if (!SaveVolume(g_.SettingsDir, volume_))
    ShowWarning("Unable to write to " + PlayerIniPath(g_.SettingsDir));
}

std::string TAudio::Driver() const { return sdl_->Driver(); }

void TAudio::ShowError(const std::string& text) {
  AudioDialogs::Message(window_, QMessageBox::Critical, QString::fromStdString(text));
}

void TAudio::ShowWarning(const std::string& text) {
  AudioDialogs::Message(window_, QMessageBox::Warning, QString::fromStdString(text));
}

void TAudio::RunMusicDialog() {
  TMidiPlayer player2;
  TMusicForm form(g_, player2, window_);
  form.exec();
}
