// Compares pictures the game wrote with each other and with grabs of an X screen, for the tests
// that run the real window under Xvfb.
//
//   picture_check same A.png B.png
//       the two pictures have one size and differ at most by rasteriser rounding
//   picture_check letterbox SCREEN.png SHOT.png...
//       SCREEN (a grab of the whole X screen) shows one of the SHOTs scaled as large as fits
//       with its aspect kept, centred, and black everywhere else
//   picture_check samples SHOT.png
//       prints SHOT's size, then its colour at two grids of 16 x 9 points (the whole picture, and
//       what stands out from its background), one "x y r g b" a line
//   picture_check matches SHOT.png SAMPLES.txt
//       SHOT has the size and, within rasteriser rounding, the colours SAMPLES lists: a picture
//       checked by a few lines of text instead of a committed copy of it
//
// Exits 0 when the pictures agree, 1 when they do not (saying how), 2 when one cannot be read.

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Picture {
  std::string path;
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;
  const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

bool Load(const char* path, Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path)) return false;
  image.format = PNG_FORMAT_RGBA;
  picture.path = path;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.rgba.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr) != 0;
}

// How far two pictures of one size are apart: the mean difference of a channel, and the share
// of pixels off by more than `tolerance` in some channel.
struct Difference {
  double mean = 0;
  double offShare = 0;
};

template <typename Expected>
Difference Compare(int width, int height, const Picture& actual, int left, int top, int tolerance,
                   Expected expected) {
  double sum = 0;
  size_t off = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint8_t* a = actual.At(left + x, top + y);
      float e[3];
      expected(x, y, e);
      int worst = 0;
      for (int c = 0; c < 3; ++c) {
        const int d = static_cast<int>(std::lround(std::fabs(a[c] - e[c])));
        sum += d;
        worst = std::max(worst, d);
      }
      off += worst > tolerance;
    }
  }
  const double pixels = static_cast<double>(width) * height;
  return {sum / (pixels * 3), static_cast<double>(off) / pixels};
}

int Same(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height) {
    std::printf("%s is %dx%d, %s is %dx%d\n", a.path.c_str(), a.width, a.height, b.path.c_str(),
                b.width, b.height);
    return 1;
  }
  const Difference d = Compare(a.width, a.height, a, 0, 0, 8, [&](int x, int y, float* e) {
    for (int c = 0; c < 3; ++c) e[c] = b.At(x, y)[c];
  });
  std::printf("%s and %s: mean difference %.3f, %.3f%% of pixels off by more than 8\n",
              a.path.c_str(), b.path.c_str(), d.mean, d.offShare * 100);
  return d.mean <= 0.5 && d.offShare <= 0.002 ? 0 : 1;
}

// The shot sampled between its pixels as a linear filter scales it: the centre of output pixel
// x falls on (x + 0.5) / scale - 0.5 of the shot.
void Sample(const Picture& shot, float sx, float sy, float* out) {
  sx = std::clamp(sx, 0.0f, static_cast<float>(shot.width - 1));
  sy = std::clamp(sy, 0.0f, static_cast<float>(shot.height - 1));
  const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
  const int x1 = std::min(x0 + 1, shot.width - 1), y1 = std::min(y0 + 1, shot.height - 1);
  const float fx = sx - x0, fy = sy - y0;
  for (int c = 0; c < 3; ++c) {
    const float top = shot.At(x0, y0)[c] * (1 - fx) + shot.At(x1, y0)[c] * fx;
    const float bottom = shot.At(x0, y1)[c] * (1 - fx) + shot.At(x1, y1)[c] * fx;
    out[c] = top * (1 - fy) + bottom * fy;
  }
}

int Letterbox(const Picture& screen, const std::vector<Picture>& shots) {
  const Picture& first = shots.front();
  // Worked out here on its own rather than by the game's code, which is what is under test.
  const double scale = std::min(static_cast<double>(screen.width) / first.width,
                                static_cast<double>(screen.height) / first.height);
  const int boxWidth = static_cast<int>(std::lround(first.width * scale));
  const int boxHeight = static_cast<int>(std::lround(first.height * scale));
  const int left = (screen.width - boxWidth) / 2, top = (screen.height - boxHeight) / 2;
  std::printf("%s: %dx%d, the picture expected at %d,%d size %dx%d\n", screen.path.c_str(),
              screen.width, screen.height, left, top, boxWidth, boxHeight);

  // The bars: black to the last pixel, two pixels of slack at the box's edges for rounding.
  size_t lit = 0;
  for (int y = 0; y < screen.height; ++y) {
    for (int x = 0; x < screen.width; ++x) {
      if (x >= left - 2 && x < left + boxWidth + 2 && y >= top - 2 && y < top + boxHeight + 2)
        continue;
      const uint8_t* p = screen.At(x, y);
      lit += p[0] + p[1] + p[2] > 0;
    }
  }
  if (lit > 0) {
    std::printf("%zu pixels outside the picture are not black\n", lit);
    return 1;
  }
  // Inside the box, away from its outermost pixel: the shot scaled, from any of the frames.
  const double sx = static_cast<double>(first.width) / boxWidth;
  const double sy = static_cast<double>(first.height) / boxHeight;
  for (const Picture& shot : shots) {
    const Difference d = Compare(boxWidth - 2, boxHeight - 2, screen, left + 1, top + 1, 24,
                                 [&](int x, int y, float* e) {
                                   Sample(shot, static_cast<float>((x + 1 + 0.5) * sx - 0.5),
                                          static_cast<float>((y + 1 + 0.5) * sy - 0.5), e);
                                 });
    std::printf("  against %s: mean difference %.3f, %.3f%% of pixels off by more than 24\n",
                shot.path.c_str(), d.mean, d.offShare * 100);
    if (d.mean <= 0.5 && d.offShare <= 0.002) return 0;
  }
  std::printf("the screen shows none of the pictures whole, scaled and centred\n");
  return 1;
}

// The grid the samples are taken on: 16 x 9 points, each in the middle of its cell.
constexpr int kGridColumns = 16, kGridRows = 9;
constexpr int kSampleTolerance = 8;

std::string SizeLine(const Picture& p) {
  return std::to_string(p.width) + "x" + std::to_string(p.height);
}

// A grid of points over the box from (left, top) of width x height, each in the middle of its cell.
void PrintGrid(const Picture& shot, int left, int top, int width, int height) {
  for (int row = 0; row < kGridRows; ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      const int x = left + (2 * column + 1) * width / (2 * kGridColumns);
      const int y = top + (2 * row + 1) * height / (2 * kGridRows);
      const uint8_t* c = shot.At(x, y);
      std::printf("%d %d %d %d %d\n", x, y, c[0], c[1], c[2]);
    }
  }
}

// The whole picture on one grid, then what stands out from its background (the colour of its
// top left pixel) on a second, so that a small picture in a plain field is sampled too.
int PrintSamples(const Picture& shot) {
  std::printf("%s\n", SizeLine(shot).c_str());
  PrintGrid(shot, 0, 0, shot.width, shot.height);
  int left = shot.width, top = shot.height, right = -1, bottom = -1;
  const uint8_t* background = shot.At(0, 0);
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      if (std::equal(background, background + 3, shot.At(x, y))) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) left = top = 0, right = shot.width - 1, bottom = shot.height - 1;
  PrintGrid(shot, left, top, right - left + 1, bottom - top + 1);
  return 0;
}

int MatchSamples(const Picture& shot, const char* listPath) {
  FILE* list = std::fopen(listPath, "r");
  if (!list) {
    std::fprintf(stderr, "picture_check: cannot read %s\n", listPath);
    return 2;
  }
  char size[32] = "";
  int status = std::fscanf(list, "%31s", size) == 1 && size == SizeLine(shot) ? 0 : 1;
  if (status != 0)
    std::printf("%s is %s, the samples are of %s\n", shot.path.c_str(), SizeLine(shot).c_str(),
                size);
  int x, y, r, g, b, checked = 0;
  while (status == 0 && std::fscanf(list, "%d %d %d %d %d", &x, &y, &r, &g, &b) == 5) {
    if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) {
      std::printf("sample %d,%d lies outside the picture\n", x, y);
      status = 1;
      break;
    }
    const uint8_t* c = shot.At(x, y);
    const int expected[3] = {r, g, b};
    for (int k = 0; k < 3; ++k) {
      if (std::abs(c[k] - expected[k]) > kSampleTolerance) {
        std::printf("at %d,%d the picture has %d %d %d, the samples say %d %d %d\n", x, y, c[0],
                    c[1], c[2], r, g, b);
        status = 1;
        break;
      }
    }
    ++checked;
  }
  std::fclose(list);
  if (status == 0 && checked != 2 * kGridColumns * kGridRows) {
    std::printf("%s holds %d samples, not %d\n", listPath, checked, 2 * kGridColumns * kGridRows);
    status = 1;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const bool usable = (command == "same" && argc == 4) || (command == "letterbox" && argc >= 4) ||
                      (command == "samples" && argc == 3) || (command == "matches" && argc == 4);
  if (!usable) {
    std::fprintf(stderr,
                 "usage: picture_check same A.png B.png | letterbox SCREEN.png SHOT.png... |\n"
                 "       samples SHOT.png | matches SHOT.png SAMPLES.txt\n");
    return 2;
  }
  // Every argument but a sample list is a picture.
  const int pictureCount = command == "matches" ? 1 : argc - 2;
  std::vector<Picture> pictures(pictureCount);
  for (int i = 2; i < 2 + pictureCount; ++i) {
    if (!Load(argv[i], pictures[i - 2])) {
      std::fprintf(stderr, "picture_check: cannot read %s\n", argv[i]);
      return 2;
    }
  }
  if (command == "same") return Same(pictures[0], pictures[1]);
  if (command == "samples") return PrintSamples(pictures[0]);
  if (command == "matches") return MatchSamples(pictures[0], argv[3]);
  return Letterbox(pictures[0], std::vector<Picture>(pictures.begin() + 1, pictures.end()));
}
