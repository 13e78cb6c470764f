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
  std::vector<std::string> Log;
  void PlayAsync(const std::vector<uint8_t>& image) override {
    Log.push_back("async:" + std::string(1, static_cast<char>(image.at(0))));
  }
  void PlaySync(const std::string& path) override { Log.push_back("sync:" + path); }
};

// Records opens, plays and closes; can be told to fail the next open.
struct FakePlayer : MediaPlayer {
  std::vector<std::string> Log;
  std::string FailOpen;
  std::string Open(const std::string& path) override {
    Log.push_back("open:" + path);
    return FailOpen;
  }
  std::string Play() override {
    Log.push_back("play");
    return "";
  }
  void Close() override { Log.push_back("close"); }
};

// Records the boxes shown; the dialog runs a test-supplied action.
struct FakeUi : PlaylistUi {
  std::vector<std::string> Log;
  std::function<void()> Dialog;
  void ShowError(const std::string& t) override { Log.push_back("error:" + t); }
  void ShowWarning(const std::string& t) override { Log.push_back("warning:" + t); }
  void RunMusicDialog() override {
    Log.push_back("dialog");
    if (Dialog) Dialog();
  }
};

}  // namespace zandor
