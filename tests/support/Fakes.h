#pragma once
// Recording fakes of the game's ports, shared by the tests.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/Ports.h"
#include "leaderboard/EnterPxb.h"
#include "platform/Audio.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"

namespace pelmora::testing {

struct FakeCues : CueSink {
  std::vector<std::string> played;
  void PlayCue(std::string_view name) override { played.emplace_back(name); }
  int Count(std::string_view name) const {
    int n = 0;
    for (const auto& p : played) n += p == name;
    return n;
  }
};

struct FakeTimer : DescentTimer {
  bool enabled = false;
  bool held = false;
  int interval = 0;
  int starts = 0;
  void StartCountdown(int ms) override { enabled = true; held = false; interval = ms; ++starts; }
  void ChangeInterval(int ms) override { interval = ms; }
  void StopCountdown() override { enabled = false; }
  void HoldCountdown() override { held = enabled; }
  void ResumeCountdown() override { held = false; }
};

struct FakeScoreView : ScoreView {
  std::string digits;
  std::string caption;
  std::vector<std::string> captions;
  void ShowDigits(std::string_view eight) override { digits = std::string(eight); }
  // Worded as the game words it in Chinese.
  void ShowLevel(int level) override {
    caption = "第" + std::to_string(level) + "关";
    captions.push_back(caption);
  }
};

struct FakeGameOver : GameOverHandOff {
  std::vector<std::int32_t> scores;
  std::function<void()> during;  // runs inside the hand-off, like a modal dialogue would
  void EnterPXB(std::int32_t score) override {
    scores.push_back(score);
    if (during) during();
  }
};

// A repeatable source: a fixed sequence of unit values, cycled; Reseed() is counted, not obeyed.
struct SequenceRandom : Random {
  std::vector<double> values{0.0};
  std::size_t next = 0;
  int reseeds = 0;
  SequenceRandom() = default;
  explicit SequenceRandom(std::vector<double> v) : values(std::move(v)) {}
  double Unit() override { return values[next++ % values.size()]; }
  void Reseed() override { ++reseeds; }
  // The unit value that makes Between1And(n) give k.
  static double For(int k, int n) { return (k - 0.5) / n; }
};

// Dialogues answered from a script; every question is recorded.
struct FakeDialogs : Dialogs {
  struct Asked {
    std::string text, caption;
    Buttons buttons;
    Icon icon;
  };
  std::vector<Asked> messages;
  std::deque<Answer> answers;          // next answers; when empty, `fallback`
  Answer fallback = Answer::Ok;
  std::vector<std::string> prompts;
  std::vector<std::string> defaults;  // what each input box started with
  std::deque<std::optional<std::string>> inputs;  // nullopt = Cancel

  std::function<void()> asking;  // runs as each message box opens
  Answer Message(const Text& text, const Text& caption, Buttons b, Icon i) override {
    messages.push_back({Filled(text), Filled(caption), b, i});
    if (asking) asking();
    if (answers.empty()) return fallback;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  // "caption: text" of every message so far.
  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.caption + ": " + m.text);
    return out;
  }
  std::vector<std::pair<StoredFile, SaveError>> saveFailures;
  void SaveFailed(StoredFile file, const SaveError& why) override { saveFailures.emplace_back(file, why); }

  std::vector<std::string> typed;  // the text each prompt came with, and "/" its limit
  std::optional<std::string> Input(const Text& prompt, const Text& title, const std::string& t, int n) override {
    prompts.push_back(Filled(prompt) + "|" + Filled(title));
    defaults.push_back(t);
    typed.push_back(t + "/" + std::to_string(n));
    if (inputs.empty()) return std::nullopt;
    auto v = inputs.front();
    inputs.pop_front();
    return v;
  }
};

struct FakePlayer : MusicPlayer {
  std::vector<std::string> calls;
  std::function<void()> stopped;
  void OpenAndPlay(const std::string& path) override { calls.push_back("open " + path); }
  void Play() override { calls.push_back("play"); }
  void Pause() override { calls.push_back("pause"); }
  void Close() override { calls.push_back("close"); }
  void SetVolume(int v) override { calls.push_back("volume " + std::to_string(v)); }
  void OnStopped(std::function<void()> handler) override { stopped = std::move(handler); }
  void TrackEnds() {
    if (stopped) stopped();
  }
};

struct FakeOpener : ShellOpener {
  std::vector<std::string> opened;
  void Open(const std::string& what) override { opened.push_back(what); }
};

struct FakeTick : Tick {
  std::uint32_t now = 0;
  std::uint32_t Now() override { return now; }
};

struct FakeHost : LeaderboardHost {
  int shown = 0;
  PXBList lastShown{};
  std::string Today() override { return "2026/12/7"; }
  SaveResult Store(const PXBEntry& entry, PXBList& list) override {
    InsertPXBEntry(list, entry);
    return std::nullopt;
  }
  void ShowLeaderboard(const PXBList& list) override {
    ++shown;
    lastShown = list;
  }
};

}  // namespace pelmora::testing
