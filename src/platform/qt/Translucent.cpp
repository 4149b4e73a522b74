#include "platform/qt/Translucent.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <algorithm>
#include <string>
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <xcb/xcb.h>
#define PELMORA_HAS_XCB 1
#endif

namespace pelmora {

namespace {

// On X11 a compositing manager owns the selection _NET_WM_CM_S<n> of the screen it composites.
#ifdef PELMORA_HAS_XCB
bool X11Composites() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 != nullptr ? x11->connection() : nullptr;
  if (c == nullptr) return false;
  const int screens = xcb_setup_roots_length(xcb_get_setup(c));
  for (int n = 0; n < screens; ++n) {
    const std::string name = "_NET_WM_CM_S" + std::to_string(n);
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr);
    if (atom == nullptr) continue;
    xcb_get_selection_owner_reply_t* owner =
        atom->atom == XCB_NONE ? nullptr : xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
    const bool owned = owner != nullptr && owner->owner != XCB_NONE;
    free(owner);
    free(atom);
    if (owned) return true;
  }
  return false;
}
#else
bool X11Composites() { return false; }  // no X11 on this system
#endif

// Every other platform the game runs on composites its windows (Wayland always does; the
// offscreen platform keeps the alpha in the window's pixels).
bool WindowsComposited() { return QGuiApplication::platformName() != QLatin1String("xcb") || X11Composites(); }

}  // namespace

Translucent::Translucent(QWidget& window) : window_(window) {
  if (!WindowsComposited()) return;
  window_.setAttribute(Qt::WA_TranslucentBackground);
  effect_ = new QGraphicsOpacityEffect(&window_);
  window_.setGraphicsEffect(effect_);
}

void Translucent::SetAlpha(int alpha) {
  alpha_ = std::clamp(alpha, 0, 255);
  if (effect_ != nullptr) effect_->setOpacity(alpha_ / 255.0);
}

}  // namespace pelmora
