/*
 * libZorvEncoder.so: turns the program's rendered frames and its prepared MP2 music
 * into one video file. The program loads the module from its folder with dlopen,
 * looks the three entries up by name and calls them in this order: initEncoder
 * once, EncOneFrame zero or more times, closeEncoder once; then it unloads the
 * module. All three are called from one thread.
 *
 * What gets written:
 *  - A path ending in ".mp4" (any case) becomes a PSP video: FFmpeg's "psp" muxer
 *    (brand MSNV), the video stream first and exactly one sound track, and the
 *    title the PSP lists (see setEncoderTitle); or, after setOutputFormat("mp4"),
 *    an ordinary MP4 ("mp4" muxer, no PSP boxes) with its index before the media
 *    data, so that players and web servers can start it before it is all read.
 *    Any other extension picks the container FFmpeg associates with it.
 *  - Video codecs: "h264" (libx264 with the PSP's limits: Main profile, level 2.1,
 *    3.0 or 3.1 by frame size and rate, at most 2 reference frames and 1 B-frame,
 *    no 8x8 transform, no weighted prediction, one slice per picture, VBV maximum
 *    rate = bitrate; for an ordinary MP4, High profile at the level of its size
 *    and rate with x264's "veryfast" preset, at most 2 reference frames, two
 *    threads and a 3-frame lookahead, which keep a 1080p video within 300 MB, VBV
 *    maximum rate = bitrate), "mpeg4" (Simple Profile level 3, no B-frames) and
 *    "libxvid".
 *  - Audio codecs: "libfaac" or "aac" (FFmpeg's AAC-LC encoder) and "libmp3lame"
 *    or "mp3". Other names, "libamr_nb" and "h263p" among them, are refused.
 *  - The music at audio_path is decoded, resampled once to sample_rate and
 *    audio_channel, and cut exactly at the end of the video; when it is shorter,
 *    silence follows. A missing or unreadable music file gives a silent track (and
 *    a line in the program's log), so the video is still made.
 *
 *  - When the program asked for it (setMusicFadeOut), the music fades out to
 *    silence over the last seconds of the video instead of stopping short.
 *
 * The module encodes on a thread of its own behind a short queue, so the caller
 * renders the next frame while the last one is encoded. A failure is logged and
 * reported by the next EncOneFrame, or at the latest by closeEncoder; the file of
 * a failed encoding is removed rather than left looking complete.
 */
#ifndef PICTAVO_ZORV_ENCODER_H
#define PICTAVO_ZORV_ENCODER_H

#ifdef __cplusplus
extern "C" {
#endif

/* Results of the three entries. 1 and 2 are never returned: the program keeps
 * them for "could not set up" and "stopped by the user". */
enum ZorvResult {
  ZORV_OK = 0,
  ZORV_ERROR_SETTINGS = 3,    /* a size, rate, bitrate or codec name the module cannot serve */
  ZORV_ERROR_OUTPUT = 4,      /* the output file cannot be created or written */
  ZORV_ERROR_ENCODING = 5,    /* an encoder failed on the way */
  ZORV_ERROR_NOT_STARTED = 6, /* EncOneFrame or closeEncoder without a started encoding */
};

/*
 * Starts a new video file. Texts are NUL-terminated UTF-8, owned by the caller and
 * only read during this call.
 *   width, height     frame size in pixels, both even, 16 to 4096 (frame_size_name,
 *                     such as "320x240", names the same size and is not read)
 *   output_path       the video file to create (replaced if it exists)
 *   raw_frame_path    not used: frames reach the encoder in memory
 *   audio_path        the MP2 music to put under the pictures
 *   audio_codec       see above; audio_bitrate such as "128kb" (kilobits, 1000 bits)
 *                     or "12.2k"; sample_rate such as "48000"; audio_channel "1" or "2"
 *   video_codec       see above; video_bitrate such as "768kb"
 *   frame_rate        "29.97" (30000/1001 frames per second), "25", "15", ...
 * Returns ZORV_OK or the error code that every later EncOneFrame returns. A call
 * while a file is open first finishes that file.
 */
int initEncoder(int width, int height, const char* output_path, const char* raw_frame_path,
                const char* audio_path, const char* audio_codec, const char* audio_bitrate,
                const char* sample_rate, const char* audio_channel, const char* video_codec,
                const char* video_bitrate, const char* frame_size_name, const char* frame_rate);

/*
 * Adds one frame: width * height * 3 / 2 bytes of planar YUV 4:2:0 (the Y plane
 * of width x height bytes, then U, then V, each width/2 x height/2), top row
 * first. The frame is copied before the call returns. Returns ZORV_OK, or the
 * code of the failure that ended the encoding.
 */
int EncOneFrame(const unsigned char* i420_frame);

/*
 * Encodes what is still queued, ends the sound track at the video's length and
 * completes the file. Returns ZORV_OK, or the code of a failure (the file is then
 * removed). Unloading the module without this call finishes the file the same way.
 */
int closeEncoder(void);

/*
 * Optional entry, beyond the three above: sets the title of the next file that
 * initEncoder starts (NUL-terminated UTF-8, copied). The PSP lists a video by the
 * title stored in it, whatever the file is called. Without this call, or with
 * NULL or "", the title is the file's base name. initEncoder uses the title up.
 */
void setEncoderTitle(const char* title);

/*
 * Optional entry: the music of the videos started after this call fades out over
 * their last `seconds` (at most 10, which keeps sound and pictures interleaved);
 * 0, the default, cuts it at the end as it is.
 */
void setMusicFadeOut(double seconds);

/*
 * Optional entry: the kind of file the next initEncoder writes for a ".mp4" path,
 * NUL-terminated and copied: "psp" (the PSP's MP4, as without this call) or "mp4"
 * (an ordinary MP4 for phones, tablets and TVs). NULL or "" means "psp"; another
 * name makes initEncoder fail with ZORV_ERROR_SETTINGS. initEncoder uses it up.
 */
void setOutputFormat(const char* format);

typedef int (*ZorvInitEncoderFunction)(int, int, const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*);
typedef int (*ZorvEncOneFrameFunction)(const unsigned char*);
typedef int (*ZorvCloseEncoderFunction)(void);
typedef void (*ZorvSetEncoderTitleFunction)(const char*);
typedef void (*ZorvSetMusicFadeOutFunction)(double);
typedef void (*ZorvSetOutputFormatFunction)(const char*);

#ifdef __cplusplus
}
#endif

#endif /* PICTAVO_ZORV_ENCODER_H */
