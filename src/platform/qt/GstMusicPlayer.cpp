// A track of background music on playbin, with a sink that buffers generously.
#include "platform/qt/GstMusicPlayer.h"

// GStreamer before Qt: Qt's keyword macros must not reach GLib's headers.
#include <gst/gst.h>

#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <utility>

namespace pelmora {

namespace {

// Sound queued ahead, and the period in which the sink tops it up: every period wakes the sink's
// threads. A sink with a volume of its own (a sound server's stream) changes it at once, and
// queues two seconds in half-second periods; on any other the volume is applied to the samples as
// they are queued, so a change waits for the queue, which is kept short.
struct Queueing {
  gint64 queuedMicroseconds;
  gint64 periodMicroseconds;
};
constexpr Queueing kWithOwnVolume{2000000, 500000};
constexpr Queueing kWithSampleVolume{400000, 100000};
constexpr guint kAudioWithSoftVolume = 0x2 | 0x10;  // playbin's flags "audio" and "soft-volume"

// The automatic sink adds the sink of the device it found, or a silent one that keeps time.
void QueueGenerously(GstBin*, GstElement* sink, gpointer) {
  GObjectClass* type = G_OBJECT_GET_CLASS(sink);
  if (g_object_class_find_property(type, "buffer-time") == nullptr ||
      g_object_class_find_property(type, "latency-time") == nullptr)
    return;
  // The interface is known by name once a sink that has it is loaded.
  const GType ownVolume = g_type_from_name("GstStreamVolume");
  const Queueing q = ownVolume != 0 && g_type_is_a(G_OBJECT_TYPE(sink), ownVolume) ? kWithOwnVolume : kWithSampleVolume;
  g_object_set(sink, "buffer-time", q.queuedMicroseconds, "latency-time", q.periodMicroseconds, nullptr);
}

// None when this GStreamer lacks its base plugins.
GstElement* NewPipeline(const std::string& path) {
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
  if (playbin == nullptr || sink == nullptr) {
    if (playbin != nullptr) gst_object_unref(playbin);
    if (sink != nullptr) gst_object_unref(sink);
    return nullptr;
  }
  g_signal_connect(sink, "element-added", G_CALLBACK(QueueGenerously), nullptr);
  gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
  g_object_set(playbin, "uri", uri, "audio-sink", sink, "flags", kAudioWithSoftVolume, nullptr);
  g_free(uri);
  return playbin;
}

}  // namespace

// What a pipeline's bus needs to know to report the end of its track.
struct GstMusicPlayer::Watch {
  GstMusicPlayer* player;
  std::uint64_t track;

  // On whichever thread posts the message. Every message is dropped: nobody reads the bus.
  static GstBusSyncReply OnMessage(GstBus*, GstMessage* message, gpointer data) {
    const auto* watch = static_cast<const Watch*>(data);
    const GstMessageType type = GST_MESSAGE_TYPE(message);
    if (type == GST_MESSAGE_EOS || type == GST_MESSAGE_ERROR) watch->player->ReportLater(watch->track);
    return GST_BUS_DROP;
  }
  static void Delete(gpointer data) { delete static_cast<Watch*>(data); }
};

GstMusicPlayer::GstMusicPlayer() : anchor_(std::make_unique<QObject>()) {
  if (!gst_is_initialized()) gst_init(nullptr, nullptr);
}

GstMusicPlayer::~GstMusicPlayer() { Retire(); }

void GstMusicPlayer::OpenAndPlay(const std::string& path) {
  Retire();
  const std::uint64_t track = ++track_;
  ended_ = false;
  pipeline_ = NewPipeline(path);
  if (pipeline_ == nullptr) {
    ReportLater(track);
    return;
  }
  GstBus* bus = gst_element_get_bus(pipeline_);
  gst_bus_set_sync_handler(bus, &Watch::OnMessage, new Watch{this, track}, &Watch::Delete);
  gst_object_unref(bus);
  g_object_set(pipeline_, "volume", volume_, nullptr);
  // A missing file fails here, an undecodable one a little later on a streaming thread.
  if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) ReportLater(track);
}

void GstMusicPlayer::Play() {
  if (pipeline_ == nullptr) return;
  ended_ = false;  // a track played again may end again
  gst_element_set_state(pipeline_, GST_STATE_PLAYING);
}

void GstMusicPlayer::Pause() {
  if (pipeline_ != nullptr) gst_element_set_state(pipeline_, GST_STATE_PAUSED);
}

void GstMusicPlayer::Close() {
  Retire();
  ++track_;
}

void GstMusicPlayer::SetVolume(int volume0to100) {
  volume_ = std::clamp(volume0to100, 0, 100) / 100.0;
  if (pipeline_ != nullptr) g_object_set(pipeline_, "volume", volume_, nullptr);
}

void GstMusicPlayer::OnStopped(std::function<void()> handler) { onStopped_ = std::move(handler); }

void GstMusicPlayer::Retire() {
  if (pipeline_ == nullptr) return;
  // Stopping joins the pipeline's threads, so its bus says nothing more after this.
  gst_element_set_state(pipeline_, GST_STATE_NULL);
  gst_object_unref(pipeline_);
  pipeline_ = nullptr;
}

void GstMusicPlayer::ReportLater(std::uint64_t track) {
  // Always through the event loop: from GStreamer's threads, and also for a failure raised inside
  // one of our own calls. By then the track may have been replaced or closed, and then its end
  // is nobody's business.
  QMetaObject::invokeMethod(
      anchor_.get(),
      [this, track] {
        if (track != track_ || ended_) return;
        ended_ = true;
        const auto handler = onStopped_;  // the handler may replace itself
        if (handler) handler();
      },
      Qt::QueuedConnection);
}

}  // namespace pelmora
