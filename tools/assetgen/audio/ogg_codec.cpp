#include "ogg_codec.h"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstring>

#include "synth.h"

namespace audiogen {

namespace {

void Append(std::vector<uint8_t>* out, const ogg_page& page) {
  out->insert(out->end(), page.header, page.header + page.header_len);
  out->insert(out->end(), page.body, page.body + page.body_len);
}

}  // namespace

std::vector<uint8_t> EncodeVorbis(const Pcm& pcm, float quality, uint32_t serial) {
  const int channels = static_cast<int>(pcm.channels.size());
  std::vector<uint8_t> out;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, kRate, quality) != 0) {
    vorbis_info_clear(&vi);
    return out;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "talvenne assetgen");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, static_cast<int>(serial));

  ogg_packet header, comment, code;
  vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comment);
  ogg_stream_packetin(&os, &code);
  ogg_page page;
  while (ogg_stream_flush(&os, &page) != 0) Append(&out, page);

  auto drain = [&] {
    ogg_packet packet;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &packet) == 1) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page) != 0) Append(&out, page);
      }
    }
  };

  constexpr size_t kChunk = 4096;
  const size_t frames = pcm.frames();
  for (size_t at = 0; at < frames; at += kChunk) {
    size_t n = std::min(kChunk, frames - at);
    float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
    for (int c = 0; c < channels; ++c) {
      std::memcpy(buffer[c], pcm.channels[c].data() + at, n * sizeof(float));
    }
    vorbis_analysis_wrote(&vd, static_cast<int>(n));
    drain();
  }
  vorbis_analysis_wrote(&vd, 0);
  drain();
  while (ogg_stream_flush(&os, &page) != 0) Append(&out, page);

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

bool DecodeVorbis(const std::vector<uint8_t>& bytes, Pcm* out, int* rate) {
  ogg_sync_state oy;
  ogg_sync_init(&oy);
  char* buffer = ogg_sync_buffer(&oy, static_cast<long>(bytes.size()));
  std::memcpy(buffer, bytes.data(), bytes.size());
  ogg_sync_wrote(&oy, static_cast<long>(bytes.size()));

  vorbis_info vi;
  vorbis_comment vc;
  vorbis_info_init(&vi);
  vorbis_comment_init(&vc);
  ogg_stream_state os;
  bool streamReady = false, ok = true;
  int headers = 0;
  vorbis_dsp_state vd;
  vorbis_block vb;
  ogg_page page;
  ogg_packet packet;
  out->channels.clear();

  while (ok && ogg_sync_pageout(&oy, &page) == 1) {
    if (!streamReady) {
      ogg_stream_init(&os, ogg_page_serialno(&page));
      streamReady = true;
    }
    ogg_stream_pagein(&os, &page);
    while (ok && ogg_stream_packetout(&os, &packet) == 1) {
      if (headers < 3) {
        ok = vorbis_synthesis_headerin(&vi, &vc, &packet) == 0;
        if (ok && ++headers == 3) {
          vorbis_synthesis_init(&vd, &vi);
          vorbis_block_init(&vd, &vb);
          out->channels.assign(static_cast<size_t>(vi.channels), {});
          *rate = static_cast<int>(vi.rate);
        }
        continue;
      }
      if (vorbis_synthesis(&vb, &packet) == 0) vorbis_synthesis_blockin(&vd, &vb);
      float** samples;
      int n;
      while ((n = vorbis_synthesis_pcmout(&vd, &samples)) > 0) {
        for (int c = 0; c < vi.channels; ++c) {
          out->channels[c].insert(out->channels[c].end(), samples[c], samples[c] + n);
        }
        vorbis_synthesis_read(&vd, n);
      }
    }
  }
  ok = ok && headers == 3;
  if (headers == 3) {
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
  }
  if (streamReady) ogg_stream_clear(&os);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  ogg_sync_clear(&oy);
  return ok;
}

}  // namespace audiogen
