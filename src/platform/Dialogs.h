#pragma once
// Modal message boxes and the input box, as the rules and the shell ask for them. The Qt side
// shows real dialogues; tests answer them.

#include <optional>
#include <string>

#include "platform/AtomicSave.h"
#include "platform/Text.h"

namespace pelmora {

enum class Buttons { Ok, OkCancel, YesNo, AbortRetryIgnore };
enum class Icon { None, Question, Exclamation, Warning };
enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };
// The player's files a save can fail on.
enum class StoredFile { Settings, Leaderboard };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows `text` under `caption`, both in the player's language. Returns the button chosen
  // (closing the box counts as its escape button).
  virtual Answer Message(const Text& text, const Text& caption, Buttons buttons, Icon icon) = 0;
  // Returns the entered text (UTF-8), or nothing when the player cancelled. The field starts with
  // `defaultText`. With `maxChars` above 0 a longer text is refused, telling the player that
  // limit, and stays in the box for editing.
  virtual std::optional<std::string> Input(const Text& prompt, const Text& title, const std::string& defaultText,
                                           int maxChars = 0) = 0;
  // Tells the player, in a box with OK, that `file` could not be saved and why; what they keep
  // (the old settings; this run's records until exit) is part of the message.
  virtual void SaveFailed(StoredFile file, const SaveError& why) = 0;
};

}  // namespace pelmora
