#pragma once

#include <string_view>

// The element names of the project file, shared by its writer and reader. Several
// contain a space; they are written so, and read back by their first word.
namespace pictavo::project_element {

inline constexpr std::string_view kRoot = "mivodvd";
inline constexpr std::string_view kPreferenceFile = "Preference File";
inline constexpr std::string_view kWorkingPath = "Working Path";
inline constexpr std::string_view kTempPath = "Temp Path";
inline constexpr std::string_view kOutputPath = "OutPut Path";
inline constexpr std::string_view kSlideshows = "mivoslideshows";
inline constexpr std::string_view kSlideshow = "slideshow";
inline constexpr std::string_view kName = "name";
inline constexpr std::string_view kCoverIndex = "cover index";
inline constexpr std::string_view kAudio = "audio";
inline constexpr std::string_view kAudioFile = "originalFileName";
inline constexpr std::string_view kPhoto = "pic";
inline constexpr std::string_view kSourceFile = "strOriginalFile";
inline constexpr std::string_view kPreparedFile = "m_strTempFile";
inline constexpr std::string_view kSetting = "MIVO_SETTING";
inline constexpr std::string_view kTvSystem = "IS_NTSC";
inline constexpr std::string_view kWorkingFolder = "WOKRING_PATH";
inline constexpr std::string_view kTempFolder = "TEMP_PATH";
inline constexpr std::string_view kOutputFolder = "OUTPUT_PATH";
inline constexpr std::string_view kEffect = "MIVO_EFFECT";
inline constexpr std::string_view kDisplaySeconds = "SINGLE_EFFECT_TIME";
inline constexpr std::string_view kImageEffect = "SINGLE_EFFECT_ID";
inline constexpr std::string_view kCategory = "SINGLE_EFFECT_INIT_TYPE";
inline constexpr std::string_view kTransitionSeconds = "TRANSITIO_EFFECT_TIME";
inline constexpr std::string_view kAdjustments = "General";
inline constexpr std::string_view kBrightness = "BrightnessPos";
inline constexpr std::string_view kContrast = "ContrastPos";
inline constexpr std::string_view kSharpen = "SharpenTimes";
inline constexpr std::string_view kSoften = "SoftenTimes";
inline constexpr std::string_view kMenu = "mivoMenu";

// Captions, which older readers pass over: a photo's typed caption after its
// edits, and a slideshow's automatic caption and placement after its photos. Each
// is written only when it is not the default.
inline constexpr std::string_view kCaption = "Caption";
inline constexpr std::string_view kAutoCaption = "AutoCaption";
inline constexpr std::string_view kCaptionPlacement = "CaptionPlacement";
inline constexpr std::string_view kCaptionAtTop = "top";

// Children of the edit elements, in the order they are stored.
inline constexpr std::string_view kTextChildren[] = {
    "TextContent", "x",          "y",         "cx",         "cy",
    "FontName",    "FontHeight", "FontColor", "FontItalic", "FontWeight"};
inline constexpr std::string_view kImageChildren[] = {"ImageName", "x", "y", "cx", "cy"};
inline constexpr std::string_view kCropChildren[] = {"upleft.x", "upleft.y", "downright.x",
                                                     "downright.y"};

}  // namespace pictavo::project_element
