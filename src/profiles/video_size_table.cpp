#include "profiles/video_size_table.h"

#include <array>

namespace pictavo {
namespace {

constexpr std::array<VideoSize, 27> kVideoSizes{{
    {0, 720, 480, "720x480"},    {1, 720, 576, "720x576"},      {2, 480, 480, "480x480"},
    {3, 480, 576, "480x576"},    {4, 352, 240, "352x240"},      {5, 352, 288, "352x288"},
    {6, 160, 120, "160x120"},    {7, 240, 180, "240x180"},      {8, 320, 240, "320x240"},
    {9, 400, 300, "400x300"},    {10, 480, 360, "480x360"},     {11, 512, 384, "512x384"},
    {12, 640, 480, "640x480"},   {13, 720, 540, "720x540"},     {14, 768, 576, "768x576"},
    {15, 800, 600, "800x600"},   {16, 320, 180, "320x180"},     {17, 640, 360, "640x360"},
    {18, 960, 540, "960x540"},   {19, 176, 144, "176x144"},     {20, 368, 208, "368x208"},
    {21, 320, 240, "320x240"},   {22, 160, 112, "160x112"},     {23, 480, 272, "480x272"},
    {24, 1280, 720, "1280x720"}, {25, 1920, 1080, "1920x1080"}, {26, 1080, 1920, "1080x1920"},
}};

}  // namespace

std::span<const VideoSize> video_size_table() {
  return kVideoSizes;
}

const VideoSize* find_video_size(std::string_view name) {
  for (const VideoSize& size : kVideoSizes) {
    if (size.name == name) return &size;
  }
  return nullptr;
}

}  // namespace pictavo
