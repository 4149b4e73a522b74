// A track of background music: a plain WAV file read in long blocks, anything else on playbin;
// either way with a sink that buffers generously.
#include "platform/qt/GstMusicPlayer.h"

// GStreamer before Qt: Qt's keyword macros must not reach GLib's headers.
#include <gst/gst.h>

#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <fstream>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/WavLayout.h"

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

// True for a sink with a volume of its own, such as a sound server's stream. The interface is
// known by name once a sink that has it is loaded.
bool HasOwnVolume(GstElement* sink) {
  const GType ownVolume = g_type_from_name("GstStreamVolume");
  return sink != nullptr && ownVolume != 0 && g_type_is_a(G_OBJECT_TYPE(sink), ownVolume);
}

// The automatic sink adds the sink of the device it found, or a silent one that keeps time.
void QueueGenerously(GstBin*, GstElement* sink, gpointer) {
  GObjectClass* type = G_OBJECT_GET_CLASS(sink);
  if (g_object_class_find_property(type, "buffer-time") == nullptr ||
      g_object_class_find_property(type, "latency-time") == nullptr)
    return;
  const Queueing q = HasOwnVolume(sink) ? kWithOwnVolume : kWithSampleVolume;
  g_object_set(sink, "buffer-time", q.queuedMicroseconds, "latency-time", q.periodMicroseconds, nullptr);
}

// None when this GStreamer lacks its base plugins.
GstElement* NewPlaybin(const std::string& path) {
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

// A plain WAV file read in blocks of our own size, on the source's streaming thread. A long block
// wakes the pipeline once a second; where the volume is applied to the samples and somebody hears
// them, a change of volume waits for the block, which is then kept short.
constexpr int kLongBlockMs = 1000, kShortBlockMs = 100;
struct WavReader {
  std::ifstream file;
  WavLayout layout;
  std::uint64_t sent = 0;  // bytes of samples handed on
  int blockMs = kLongBlockMs;
};

const char* CapsFormat(WavLayout::Sample sample) {
  switch (sample) {
    case WavLayout::Sample::U8: return "U8";
    case WavLayout::Sample::S16: return "S16LE";
    case WavLayout::Sample::S24: return "S24LE";
    case WavLayout::Sample::S32: return "S32LE";
    case WavLayout::Sample::F32: return "F32LE";
    case WavLayout::Sample::F64: return "F64LE";
  }
  return "S16LE";
}

// The source asks for the next block when it has none queued; after the last, for nothing more.
void PushBlock(GstElement* source, guint, gpointer data) {
  auto& reader = *static_cast<WavReader*>(data);
  const WavLayout& layout = reader.layout;
  const auto frame = static_cast<std::uint64_t>(layout.frameBytes);
  const auto rate = static_cast<std::uint64_t>(layout.rate);
  const std::uint64_t frames = std::max<std::uint64_t>(1, rate * static_cast<std::uint64_t>(reader.blockMs) / 1000);
  const std::uint64_t want = std::min(layout.dataBytes - reader.sent, frames * frame);
  GstBuffer* block = gst_buffer_new_allocate(nullptr, want, nullptr);
  std::uint64_t got = 0;
  GstMapInfo map;
  if (block != nullptr && gst_buffer_map(block, &map, GST_MAP_WRITE)) {
    reader.file.read(reinterpret_cast<char*>(map.data), static_cast<std::streamsize>(want));
    got = static_cast<std::uint64_t>(reader.file.gcount());
    got -= got % frame;
    gst_buffer_unmap(block, &map);
  }
  GstFlowReturn flow;
  if (got == 0) {  // the end, or a file cut short since it was opened
    if (block != nullptr) gst_buffer_unref(block);
    g_signal_emit_by_name(source, "end-of-stream", &flow);
    return;
  }
  gst_buffer_resize(block, 0, static_cast<gssize>(got));
  const std::uint64_t first = reader.sent / frame, next = (reader.sent + got) / frame;
  GST_BUFFER_PTS(block) = gst_util_uint64_scale(first, GST_SECOND, rate);
  GST_BUFFER_DURATION(block) = gst_util_uint64_scale(next, GST_SECOND, rate) - GST_BUFFER_PTS(block);
  reader.sent += got;
  g_signal_emit_by_name(source, "push-buffer", block, &flow);  // takes a reference of its own
  gst_buffer_unref(block);
}

// The file at its first sample, or none when it is not a plain WAV file.
std::unique_ptr<WavReader> OpenWav(const std::string& path) {
  auto reader = std::make_unique<WavReader>();
  reader->file.open(path, std::ios::binary);
  const std::optional<WavLayout> layout = reader->file ? ReadWavLayout(reader->file) : std::nullopt;
  if (!layout) return nullptr;
  reader->layout = *layout;
  reader->file.clear();
  reader->file.seekg(static_cast<std::streamoff>(layout->dataOffset));
  return reader;
}

// appsrc ! audioconvert ! audioresample ! volume ! autoaudiosink, the reader owned by the source.
// None when this GStreamer lacks its base plugins.
GstElement* NewWavPipeline(std::unique_ptr<WavReader> reader) {
  GstElement* pipeline = gst_pipeline_new(nullptr);
  GstElement* parts[] = {gst_element_factory_make("appsrc", "source"), gst_element_factory_make("audioconvert", nullptr),
                         gst_element_factory_make("audioresample", nullptr), gst_element_factory_make("volume", "volume"),
                         gst_element_factory_make("autoaudiosink", "sink")};
  bool linked = true;
  for (GstElement* part : parts) linked = linked && part != nullptr && gst_bin_add(GST_BIN(pipeline), part);
  for (std::size_t i = 1; linked && i < std::size(parts); ++i) linked = gst_element_link(parts[i - 1], parts[i]);
  if (!linked) {
    for (GstElement* part : parts)
      if (part != nullptr && GST_OBJECT_PARENT(part) == nullptr) gst_object_unref(gst_object_ref_sink(part));
    gst_object_unref(pipeline);
    return nullptr;
  }
  const WavLayout& layout = reader->layout;
  GstCaps* caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, CapsFormat(layout.sample), "layout",
                                      G_TYPE_STRING, "interleaved", "rate", G_TYPE_INT, layout.rate, "channels",
                                      G_TYPE_INT, layout.channels, nullptr);
  g_object_set(parts[0], "caps", caps, "format", GST_FORMAT_TIME, nullptr);
  gst_caps_unref(caps);
  g_signal_connect(parts[4], "element-added", G_CALLBACK(QueueGenerously), nullptr);
  g_signal_connect(parts[0], "need-data", G_CALLBACK(PushBlock), reader.get());
  g_object_set_data_full(G_OBJECT(parts[0]), "reader", reader.release(),
                         [](gpointer data) { delete static_cast<WavReader*>(data); });
  return pipeline;
}

// The sink the automatic sink chose on its way to READY, as a new reference; none before.
GstElement* ChosenSink(GstElement* autoSink) {
  GstIterator* it = gst_bin_iterate_elements(GST_BIN(autoSink));
  GValue item = G_VALUE_INIT;
  GstElement* chosen = nullptr;
  if (gst_iterator_next(it, &item) == GST_ITERATOR_OK) chosen = GST_ELEMENT(g_value_dup_object(&item));
  g_value_unset(&item);
  gst_iterator_free(it);
  return chosen;
}

// Where a WAV pipeline's volume goes, once READY. On a sink with a volume of its own (a sound
// server's stream) it changes at once, and the blocks can be long. On any other the samples carry
// the volume, so a change waits for the block and the sink's queue: blocks are short where
// somebody hears them. The element is the pipeline's, borrowed.
struct VolumeChoice {
  GstElement* target;
  int blockMs;
};
VolumeChoice ChooseVolume(GstElement* pipeline) {
  GstElement* autoSink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
  GstElement* chosen = ChosenSink(autoSink);
  gst_object_unref(autoSink);
  const bool own = HasOwnVolume(chosen);
  const bool silent = chosen != nullptr && std::string_view(G_OBJECT_TYPE_NAME(chosen)) == "GstFakeSink";
  GstElement* samples = gst_bin_get_by_name(GST_BIN(pipeline), "volume");
  const VolumeChoice choice{own ? chosen : samples, own || silent ? kLongBlockMs : kShortBlockMs};
  gst_object_unref(samples);
  if (chosen != nullptr) gst_object_unref(chosen);
  return choice;
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
  std::unique_ptr<WavReader> reader = OpenWav(path);
  WavReader* wav = reader.get();  // owned by the pipeline from here on
  pipeline_ = wav != nullptr ? NewWavPipeline(std::move(reader)) : NewPlaybin(path);
  if (pipeline_ == nullptr) {
    ReportLater(track);
    return;
  }
  GstBus* bus = gst_element_get_bus(pipeline_);
  gst_bus_set_sync_handler(bus, &Watch::OnMessage, new Watch{this, track}, &Watch::Delete);
  gst_object_unref(bus);
  volumeTarget_ = pipeline_;
  if (wav != nullptr) {
    // The automatic sink picks its device on the way to READY; where the volume goes follows
    // from it. Should that fail, so will PLAYING below.
    gst_element_set_state(pipeline_, GST_STATE_READY);
    const VolumeChoice choice = ChooseVolume(pipeline_);
    volumeTarget_ = choice.target;
    wav->blockMs = choice.blockMs;
  }
  g_object_set(volumeTarget_, "volume", volume_, nullptr);
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
  if (pipeline_ != nullptr) g_object_set(volumeTarget_, "volume", volume_, nullptr);
}

void GstMusicPlayer::OnStopped(std::function<void()> handler) { onStopped_ = std::move(handler); }

void GstMusicPlayer::Retire() {
  if (pipeline_ == nullptr) return;
  // Stopping joins the pipeline's threads, so its bus says nothing more after this.
  gst_element_set_state(pipeline_, GST_STATE_NULL);
  gst_object_unref(pipeline_);
  pipeline_ = nullptr;
  volumeTarget_ = nullptr;
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
