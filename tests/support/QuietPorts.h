#pragma once
// Every port of the rules at once, doing nothing: for runs that only want the rules' outcome
// (benchmarks, the move planner of the window tests).

#include "game/Ports.h"

namespace pelmora::testing {

struct QuietPorts : CueSink, DescentTimer, ScoreView, GameOverHandOff, NewGameHooks, FrameDrawing {
  void PlayCue(std::string_view) override {}
  void StartCountdown(int) override {}
  void ChangeInterval(int) override {}
  void StopCountdown() override {}
  void HoldCountdown() override {}
  void ResumeCountdown() override {}
  void ShowDigits(std::string_view) override {}
  void ShowLevel(int) override {}
  void EnterPXB(std::int32_t) override {}
  bool ConfirmRestart() override { return true; }
  void StartMusic() override {}
  void SetUpSnow() override {}
  void LoadPictureSet() override {}
  void RestartLoop() override {}
  void ClearField() override {}
  void DrawSnow() override {}
  void DrawPieces() override {}
  void DrawVanishingPiece(int, int, int) override {}
  void DrawAimGuide(int, int, bool) override {}
  void DrawPlayer() override {}
};

}  // namespace pelmora::testing
