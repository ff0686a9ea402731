/*
 * libxToMp2.so: prepares the music of a slideshow. The program loads the module
 * from its folder with dlopen, looks an entry up by name, calls it and unloads
 * the module again.
 *
 * Every file is converted to the same MP2 format, 48000 Hz stereo at 192 kb/s,
 * whatever its own rate and channels, so that converted tracks placed end to end
 * form one valid MP2 stream. Anything FFmpeg decodes is accepted: MP3, MP2, WAV,
 * WMA, FLAC, Ogg, M4A/AAC and more.
 */
#ifndef PICTAVO_XTOMP2_H
#define PICTAVO_XTOMP2_H

#ifdef __cplusplus
extern "C" {
#endif

/*
 * How the caller asks a running conversion to stop. The module calls
 * is_stop_requested(user) now and then from the converting thread; it must answer
 * at once, without waiting: non-zero means stop. It may consume the request (an
 * auto-reset event tested without waiting): the conversion then returns
 * XTOMP2_STOPPED, which is the only trace of the request. A NULL XToMp2Stop or a
 * NULL function never stops.
 */
typedef struct XToMp2Stop {
  int (*is_stop_requested)(void* user);
  void* user;
} XToMp2Stop;

/* Results of xToMp2. 1 is never returned: the program keeps it for its own
 * failures. */
enum XToMp2Result {
  XTOMP2_OK = 0,
  XTOMP2_STOPPED = 2,      /* the stop request was seen; nothing was written */
  XTOMP2_BAD_INPUT = 3,    /* missing, unreadable, not audio or without any sound */
  XTOMP2_BAD_OUTPUT = 4,   /* the destination cannot be written */
  XTOMP2_CODEC_FAILED = 5, /* the MP2 encoder failed */
};

/*
 * Converts the audio file at source (UTF-8 path) into an MP2 file at destination,
 * replacing it. The last MP2 frame is filled up with silence. The destination
 * appears only when the conversion succeeded: the file is written under a
 * temporary name in the same folder and renamed at the end, so a failure or a
 * stop leaves any earlier file of that name as it was. Returns an XToMp2Result.
 */
int xToMp2(const char* source, const char* destination, XToMp2Stop* stop);

/*
 * Converts the audio files sources[0] to sources[count - 1] (UTF-8 paths), the
 * whole list played `passes` times (at least once), into one MP2 file at
 * destination, replacing it. One encoder takes the sound of every file in turn,
 * so each track follows the one before sample for sample: files converted one by
 * one and joined end to end would each start with the encoder's delay and end in
 * a filled-up frame, a short silence at every join. Only the very last frame is
 * filled up with silence. The destination appears only when complete, as with
 * xToMp2. When a file cannot be used (or is NULL), *failed_source receives its
 * index in sources, else -1 (failed_source may be NULL). An empty list is
 * XTOMP2_BAD_INPUT. Returns an XToMp2Result.
 *
 * Added after xToMp2: a caller that finds a module without it converts file by
 * file and joins the files.
 */
int xToMp2Joined(const char* const* sources, int count, int passes, const char* destination,
                 XToMp2Stop* stop, int* failed_source);

/*
 * The length of the audio in the file at path, in whole seconds rounded down; 0
 * when the file is missing, cannot be read or holds no audio. Files whose length
 * the container only estimates from their bitrate (MP3 without a Xing header,
 * ADTS AAC) are measured by walking through their packets.
 */
int GetFileTimeLength(const char* path);

typedef int (*XToMp2Function)(const char*, const char*, XToMp2Stop*);
typedef int (*XToMp2JoinedFunction)(const char* const*, int, int, const char*, XToMp2Stop*, int*);
typedef int (*GetFileTimeLengthFunction)(const char*);

#ifdef __cplusplus
}
#endif

#endif /* PICTAVO_XTOMP2_H */
