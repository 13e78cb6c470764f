// Counting fakes of the sound service, the media player and the playlist's window side.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "audio/Playlist.h"
#include "platform/SoundService.h"

namespace zandor {

// Records every request as "async:<first byte>" or "sync:<path>".
struct FakeSound : SoundService {
  std::vector<std::string> log;
  void PlayAsync(const std::vector<uint8_t>& image) override {
    log.push_back("async:" + std::string(1, static_cast<char>(image.at(0))));
  }
  void PlaySync(const std::string& path) override { log.push_back("sync:" + path); }
};

// Records opens, plays and closes; can be told to fail the next open.
struct FakePlayer : MediaPlayer {
  std::vector<std::string> log;
  std::string failOpen;
  std::string Open(const std::string& path) override {
    log.push_back("open:" + path);
    return failOpen;
  }
  std::string Play() override {
    log.push_back("play");
    return "";
  }
  void Close() override { log.push_back("close"); }
};

// Records the boxes shown; the dialog runs a test-supplied action.
struct FakeUi : PlaylistUi {
  std::vector<std::string> log;
  std::function<void()> dialog;
  void ShowError(const std::string& t) override { log.push_back("error:" + t); }
  void ShowWarning(const std::string& t) override { log.push_back("warning:" + t); }
  void RunMusicDialog() override {
    log.push_back("dialog");
    if (dialog) dialog();
  }
};

}  // namespace zandor
