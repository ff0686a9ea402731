#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "audio/av_handles.h"
#include "encoder/slideshow_encoder.h"

namespace pictavo {

// Runs a SlideshowEncoder on a thread of its own behind a short queue of frames,
// so that the caller renders the next picture while earlier ones are encoded.
// A failure stops the encoding; push() and finish() report it. push() and
// finish() are called from one thread.
class EncoderThread {
 public:
  // Takes an opened encoder for pictures of width x height and starts the worker;
  // nullptr when memory or a thread cannot be had (the encoder's file is removed).
  static std::unique_ptr<EncoderThread> start(std::unique_ptr<SlideshowEncoder> encoder, int width,
                                              int height);
  // Finishes the file when finish() was not called.
  ~EncoderThread();
  EncoderThread(const EncoderThread&) = delete;
  EncoderThread& operator=(const EncoderThread&) = delete;

  // Copies one I420 picture into the queue, waiting while the queue is full.
  // ZORV_OK, or the code of the failure that ended the encoding.
  int push(const uint8_t* i420);

  // Encodes what is queued and completes the file (or removes it after a
  // failure); the first failure's code, else ZORV_OK. Later calls return the same.
  int finish();

 private:
  static constexpr std::size_t kSlots = 4;

  EncoderThread(std::unique_ptr<SlideshowEncoder> encoder, int width, int height);
  void run();
  void fail(int result);

  std::unique_ptr<SlideshowEncoder> encoder_;  // used by the worker only
  // Preallocated pictures: slots [head_, head_ + queued_) wait for the worker, the
  // others belong to push().
  std::array<av::FramePtr, kSlots> slots_;
  int width_;
  int height_;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t head_ = 0;    // guarded by mutex_
  std::size_t queued_ = 0;  // guarded by mutex_
  bool closing_ = false;    // guarded by mutex_
  int result_ = 0;          // guarded by mutex_; the first failure

  std::thread worker_;
};

}  // namespace pictavo
