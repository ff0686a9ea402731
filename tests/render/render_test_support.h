#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "render/argb.h"
#include "render/frame_canvas.h"
#include "render/photo_decoder.h"
#include "render/render_context.h"

namespace pictavo::test {

inline constexpr std::uint32_t kRed = argb(255, 255, 0, 0);
inline constexpr std::uint32_t kGreen = argb(255, 0, 255, 0);
inline constexpr std::uint32_t kBlue = argb(255, 0, 0, 255);

// Photos drawn in memory, found by their path.
class MemoryPhotos : public PhotoDecoder {
 public:
  void add(const std::string& path, FrameCanvas picture) { photos_[path] = std::move(picture); }

  std::optional<PhotoSize> probe(const std::filesystem::path& path) const override {
    const auto found = photos_.find(path.string());
    if (found == photos_.end()) return std::nullopt;
    return PhotoSize{found->second.width(), found->second.height()};
  }
  FrameCanvas decode(const std::filesystem::path& path, int, int) const override {
    const auto found = photos_.find(path.string());
    return found == photos_.end() ? FrameCanvas() : found->second.copy();
  }

 private:
  std::map<std::string, FrameCanvas> photos_;
};

inline FrameCanvas solid_canvas(int width, int height, std::uint32_t colour) {
  FrameCanvas canvas(width, height);
  canvas.fill(colour);
  return canvas;
}

// Four quadrants: top left, top right, bottom left, bottom right.
inline FrameCanvas quadrant_canvas(int width, int height, std::array<std::uint32_t, 4> colours) {
  FrameCanvas canvas(width, height);
  for (int quadrant = 0; quadrant < 4; ++quadrant) {
    cairo_save(canvas.cr());
    cairo_rectangle(canvas.cr(), (quadrant % 2) * width / 2, (quadrant / 2) * height / 2, width / 2,
                    height / 2);
    cairo_clip(canvas.cr());
    canvas.fill(colours[static_cast<std::size_t>(quadrant)]);
    cairo_restore(canvas.cr());
  }
  return canvas;
}

// True when every channel of `actual` is within `tolerance` of `expected`.
inline ::testing::AssertionResult ColourNear(std::uint32_t actual, std::uint32_t expected,
                                             int tolerance = 2) {
  const int deltas[] = {red_of(actual) - red_of(expected), green_of(actual) - green_of(expected),
                        blue_of(actual) - blue_of(expected)};
  for (const int delta : deltas) {
    if (delta > tolerance || delta < -tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "0x%08X is not near 0x%08X", actual, expected);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

// True when every pixel of the frame is within `tolerance` of the picture's.
inline ::testing::AssertionResult ShowsPicture(const FrameCanvas& frame, const FrameCanvas& picture,
                                               int tolerance = 0) {
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (!ColourNear(frame.pixel(x, y), picture.pixel(x, y), tolerance))
        return ::testing::AssertionFailure() << "differs at " << x << "," << y;
    }
  }
  return ::testing::AssertionSuccess();
}

inline std::uint32_t grey(int level) {
  const auto value = static_cast<std::uint32_t>(level);
  return argb(255, value, value, value);
}

// A video-making run over photos drawn in memory that keeps a copy of every
// frame handed to the encoder. Photo i is found under the path "i".
class RecordingRun {
 public:
  RecordingRun(int width, int height) : context(RenderMode::kVideo, width, height) {
    context.job = &job;
    context.decoder = &decoder;
    context.encode_frame = [this](const std::uint8_t*) {
      frames.push_back(context.output.copy());
      return encoder_result(static_cast<int>(frames.size()) - 1);
    };
  }
  // The context points into the run, so a run stays where it was made.
  RecordingRun(const RecordingRun&) = delete;
  RecordingRun& operator=(const RecordingRun&) = delete;

  // Adds photo `picture` with its effect and transition.
  void add_photo(FrameCanvas picture, int image_effect = 20, int transition_type = 0,
                 TransitionValues values = {}) {
    const std::string path = std::to_string(photos.size());
    decoder.add(path, std::move(picture));
    photos.push_back(RenderPhoto{path, image_effect, transition_type, values});
    job.photos = photos;
  }

  // Renders photo `index` as the opening (index 0) or with its transition.
  int render(int index, int frames_total, int transition_frames = 0);

  MemoryPhotos decoder;
  std::vector<RenderPhoto> photos;
  RenderJob job;
  RenderContext context;
  std::vector<FrameCanvas> frames;
  // What the encoder answers for frame i (from 0) of the run.
  std::function<int(int frame)> encoder_result = [](int) { return 0; };
};

// A run whose output shows `old_picture`, also photo 0, and whose photo 1
// (`incoming`) replaces it with transition `type`.
struct TransitionRun : RecordingRun {
  TransitionRun(FrameCanvas old_picture, FrameCanvas incoming, int type,
                TransitionValues values = {})
      : RecordingRun(old_picture.width(), old_picture.height()) {
    add_photo(old_picture.copy());
    add_photo(std::move(incoming), 20, type, values);
    context.output = std::move(old_picture);
  }
  // The photo all `new_colour` coming in over a picture all `old_colour`.
  TransitionRun(int width, int height, std::uint32_t old_colour, std::uint32_t new_colour, int type,
                TransitionValues values = {})
      : TransitionRun(solid_canvas(width, height, old_colour),
                      solid_canvas(width, height, new_colour), type, values) {}
};

}  // namespace pictavo::test
