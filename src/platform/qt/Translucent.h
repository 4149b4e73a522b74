#pragma once
// A top-level window shown at an alpha of its own, 0 (invisible) .. 255 (opaque), painted by the
// window itself rather than applied by the window system: window opacity is a request that some
// platforms (Wayland) refuse, while a translucent window whose pixels carry their alpha is shown
// the same by every compositor. Everything the window holds, its background and its controls
// alike, is drawn through one opacity effect, so it fades as a whole, as window opacity did.
//
// Where no compositor blends windows (an X server without a compositing manager) window opacity
// was never shown, and translucent pixels would show darkened: there the window stays opaque.

#include <QWidget>

class QGraphicsOpacityEffect;

namespace pelmora {

class Translucent final {
 public:
  // Makes `window`, a top-level not yet shown, translucent. Such a window has no background of
  // the window system's, nor its palette's: it must paint all of itself.
  explicit Translucent(QWidget& window);

  // Shows the window at `alpha` (clamped to 0..255) from its next paint on.
  void SetAlpha(int alpha);
  int Alpha() const { return alpha_; }
  // Whether the alpha reaches the screen (false: the window is painted opaque, see above).
  bool Painted() const { return effect_ != nullptr; }

 private:
  QWidget& window_;
  QGraphicsOpacityEffect* effect_ = nullptr;
  int alpha_ = 255;
};

}  // namespace pelmora
