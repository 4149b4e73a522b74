#pragma once
// What the session asks of the windows around it. The Qt shell implements these with the main
// window, its menu and its timers; tests implement them with fakes.

#include <string>
#include <vector>

#include "platform/Surface.h"
#include "view/Layout.h"

namespace pelmora {

// What the game found wrong with a file of the player's; the window words it for the player.
enum class FileProblem {
  // The settings file is no text the game can read (UTF-16, say): the shipped settings are used
  // and the file is left as it is, also at exit.
  SettingsNotText,
};

// The main window as the session sees it.
class MainView {
 public:
  virtual ~MainView() = default;
  virtual void ShowField(const Surface& field) = 0;               // PicGameMap, as composed
  // The next frame of the same field, which differs from the one shown last only within
  // `changed` (pixels of the field); a view may show just those again.
  virtual void ShowFieldChanges(const Surface& field, const std::vector<layout::Rect>& /*changed*/) {
    ShowField(field);
  }
  virtual void ShowScore(const Surface& picture) = 0;             // PicGetF
  virtual void ShowLevel(int level) = 0;  // LabG, worded "第n关" in the player's language
  virtual void ShowMode(int mode) = 0;  // the mode labels' colours and the slider's picture
  // Sets a switch's check box. A change of its state runs the switch's action, as a click would
  // (the shell reports it back through Session::MusicSwitchChanged / SoundSwitchChanged).
  virtual void SetMusicSwitch(bool on) = 0;
  virtual void SetSoundSwitch(bool on) = 0;
  virtual void AddPictureSet(const std::string& name) = 0;  // the next entry of the picture-set menu
  virtual void Close() = 0;  // closes the main window; Session::Shutdown follows
  // Tells the player about `problem` with the file at `path`, in a modal message box.
  virtual void TellFileProblem(FileProblem problem, const std::string& path) = 0;
};

// The frame loop: once restarted, it runs Session::RunOneFrame whenever a frame is due.
class FrameLoop {
 public:
  virtual ~FrameLoop() = default;
  virtual void Restart() = 0;  // the next frame runs as soon as the event loop is free
  virtual void Stop() = 0;
  virtual bool Running() const = 0;
};

}  // namespace pelmora
