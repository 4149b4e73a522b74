#pragma once
// The application's name as the player sees it: window titles and the caption of the
// settings reader's file-error box.

namespace pelmora {

inline constexpr char kAppTitle[] = "Pelmora2.0.0";

}  // namespace pelmora
