// JPEG files made in tests with libjpeg's own compressor, so no test needs a
// picture from outside.
#pragma once

#include <cstdio>  // before jpeglib.h

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace test_jpeg {

struct JpegRecipe {
  int width = 1;
  int height = 1;
  int components = 3;  // 1 grey, 3 RGB, 4 CMYK
  J_COLOR_SPACE inSpace = JCS_RGB;
  J_COLOR_SPACE fileSpace = JCS_UNKNOWN;  // unknown: libjpeg's choice for inSpace
  bool progressive = false;
  int restartInterval = 0;
  std::vector<jpeg_scan_info> script;  // replaces the progression when set
  std::string comment;
  std::vector<uint8_t> samples;  // rows of width * components bytes
};

using Paint = std::function<uint32_t(int x, int y)>;  // 0xRRGGBB

inline JpegRecipe RgbRecipe(int w, int h, const Paint& paint, bool progressive = false) {
  JpegRecipe r;
  r.width = w;
  r.height = h;
  r.progressive = progressive;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = paint(x, y);
      r.samples.insert(r.samples.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    }
  return r;
}

inline JpegRecipe GreyRecipe(int w, int h, const std::function<uint8_t(int, int)>& paint) {
  JpegRecipe r;
  r.width = w;
  r.height = h;
  r.components = 1;
  r.inSpace = JCS_GRAYSCALE;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) r.samples.push_back(paint(x, y));
  return r;
}

struct EncoderJob {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  std::jmp_buf jump;
};

inline void OnEncoderError(j_common_ptr c) { std::longjmp(static_cast<EncoderJob*>(c->client_data)->jump, 1); }

inline bool RunEncoder(EncoderJob* job, JpegRecipe* r, unsigned char** out, unsigned long* size) {
  if (setjmp(job->jump)) return false;
  jpeg_compress_struct& c = job->c;
  jpeg_create_compress(&c);
  jpeg_mem_dest(&c, out, size);
  c.image_width = static_cast<JDIMENSION>(r->width);
  c.image_height = static_cast<JDIMENSION>(r->height);
  c.input_components = r->components;
  c.in_color_space = r->inSpace;
  jpeg_set_defaults(&c);
  if (r->fileSpace != JCS_UNKNOWN) jpeg_set_colorspace(&c, r->fileSpace);
  jpeg_set_quality(&c, 100, TRUE);
  // No chroma subsampling, so flat colours survive almost exactly.
  for (int i = 0; i < c.num_components; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
  if (r->progressive) jpeg_simple_progression(&c);
  if (!r->script.empty()) {
    c.scan_info = r->script.data();
    c.num_scans = static_cast<int>(r->script.size());
  }
  c.restart_interval = static_cast<unsigned>(r->restartInterval);
  jpeg_start_compress(&c, TRUE);
  if (!r->comment.empty())
    jpeg_write_marker(&c, JPEG_COM, reinterpret_cast<const JOCTET*>(r->comment.data()),
                      static_cast<unsigned>(r->comment.size()));
  const size_t stride = static_cast<size_t>(r->width) * r->components;
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = r->samples.data() + stride * c.next_scanline;
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  return true;
}

inline std::vector<uint8_t> MakeJpeg(JpegRecipe recipe) {
  EncoderJob job{};
  job.c.err = jpeg_std_error(&job.err);
  job.err.error_exit = OnEncoderError;
  job.c.client_data = &job;
  unsigned char* out = nullptr;
  unsigned long size = 0;
  const bool ok = RunEncoder(&job, &recipe, &out, &size);
  std::vector<uint8_t> bytes;
  if (ok) bytes.assign(out, out + size);
  jpeg_destroy_compress(&job.c);
  std::free(out);
  EXPECT_TRUE(ok) << "test JPEG could not be written";
  return bytes;
}

}  // namespace test_jpeg
