#pragma once
// A game with every port faked, ready for the rules to act on.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/Frame.h"
#include "game/Rules.h"
#include "support/Boards.h"
#include "support/Fakes.h"

namespace pelmora::testing {

// Records the drawing calls of a frame in order, as short words.
struct RecordingDrawing : FrameDrawing {
  std::vector<std::string> calls;
  void ClearField() override { calls.push_back("clear"); }
  void DrawSnow() override { calls.push_back("snow"); }
  void DrawPieces() override { calls.push_back("pieces"); }
  void DrawVanishingPiece(int c, int r, int k) override {
    calls.push_back("blink " + std::to_string(c) + "," + std::to_string(r) + " kind " + std::to_string(k));
  }
  void DrawAimGuide(int row, int phase, bool throwing) override {
    calls.push_back("aim row " + std::to_string(row) + " phase " + std::to_string(phase) +
                    (throwing ? " up" : " down"));
  }
  void DrawPlayer() override { calls.push_back("player"); }
};

class RulesTest : public ::testing::Test {
 protected:
  Game game;
  UserSettings settings;
  FakeCues cues;
  FakeTimer timer;
  FakeScoreView score;
  FakeGameOver gameOver;
  SequenceRandom random;
  GameRules rules{game, settings, RulesPorts{cues, timer, score, gameOver, random}};
  RecordingDrawing drawing;

  RulesTest() {
    settings.SoundON = kTrue;
    game.Move = MoveState::Move;
    game.State = GameState::Star;
    game.Level = 1;
  }

  // A game in play on the given board, the player under `column`.
  void Play(MapGrid map, int column) {
    game.Map = map;
    game.CurColumn = static_cast<std::int16_t>(column);
  }

  // A press of `button` with the pointer (or the keys) on `column`.
  void PressAt(MouseButton button, int column) {
    rules.SelectColumn(column);
    rules.Press(button);
  }

  void Frame() {
    drawing.calls.clear();
    RunFrame(rules, drawing);
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
  }

  std::vector<std::string> Shown(int lastRow) const { return Rows(game.Map, lastRow); }
};

}  // namespace pelmora::testing
