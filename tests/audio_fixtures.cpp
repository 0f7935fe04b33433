#include "audio_fixtures.h"

#include <unistd.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

std::vector<float> SineTone(int rate, int frames, float frequency, float amplitude) {
  std::vector<float> samples(frames);
  for (int i = 0; i < frames; ++i) {
    samples[i] =
        amplitude * static_cast<float>(std::sin(2 * std::numbers::pi * frequency * i / rate));
  }
  return samples;
}

std::vector<float> Interleave(const std::vector<float>& left, const std::vector<float>& right) {
  std::vector<float> samples;
  samples.reserve(left.size() * 2);
  for (size_t i = 0; i < left.size(); ++i) {
    samples.push_back(left[i]);
    samples.push_back(right[i]);
  }
  return samples;
}

namespace {

bool WritePages(ogg_stream_state& stream, FILE* file, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
    if (fwrite(page.header, 1, page.header_len, file) != static_cast<size_t>(page.header_len) ||
        fwrite(page.body, 1, page.body_len, file) != static_cast<size_t>(page.body_len)) {
      return false;
    }
  }
  return true;
}

// Runs the encoder over what it has been given so far and writes the finished pages.
bool Drain(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, FILE* file) {
  ogg_packet packet;
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
      ogg_stream_packetin(&stream, &packet);
      if (!WritePages(stream, file, false)) return false;
    }
  }
  return true;
}

}  // namespace

bool WriteOggVorbis(const std::filesystem::path& path, int rate, int channels,
                    const std::vector<float>& samples) {
  constexpr float kQuality = 0.4f;
  constexpr int kChunkFrames = 4096;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, kQuality) != 0) {
    vorbis_info_clear(&info);
    return false;
  }
  FILE* file = fopen(path.c_str(), "wb");
  if (!file) {
    vorbis_info_clear(&info);
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);

  ogg_packet header;
  ogg_packet commentHeader;
  ogg_packet codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  bool ok = WritePages(stream, file, true);

  const int frames = static_cast<int>(samples.size()) / channels;
  for (int start = 0; ok && start < frames; start += kChunkFrames) {
    const int count = std::min(kChunkFrames, frames - start);
    float** buffer = vorbis_analysis_buffer(&dsp, count);
    for (int i = 0; i < count; ++i) {
      for (int c = 0; c < channels; ++c) buffer[c][i] = samples[(start + i) * channels + c];
    }
    vorbis_analysis_wrote(&dsp, count);
    ok = Drain(dsp, block, stream, file);
  }
  vorbis_analysis_wrote(&dsp, 0);
  ok = ok && Drain(dsp, block, stream, file) && WritePages(stream, file, true);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return fclose(file) == 0 && ok;
}

TempFolder::TempFolder() {
  static int made = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("talvenne-test-" + std::to_string(getpid()) + "-" + std::to_string(made++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

TTimer* RestartHeadless() {
  ShutdownPlatform();
  ShutdownAudio();
  return InitPlatform(BackendKind::Headless) ? CreateTimer(60) : nullptr;
}

platform_detail::Voice VoiceOf(const ChannelPtr& channel) {
  if (const platform_detail::VoicePtr voice = platform_detail::ChannelVoice(channel)) {
    return *voice;
  }
  platform_detail::Voice none;
  none.position = -1;
  none.gain = -1;
  return none;
}
