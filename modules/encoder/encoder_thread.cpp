#include "encoder/encoder_thread.h"

#include <system_error>

#include "encoder/zorv_encoder.h"

extern "C" {
#include <libavutil/imgutils.h>
}

namespace pictavo {

std::unique_ptr<EncoderThread> EncoderThread::start(std::unique_ptr<SlideshowEncoder> encoder,
                                                    int width, int height) {
  std::unique_ptr<EncoderThread> thread(new EncoderThread(std::move(encoder), width, height));
  for (av::FramePtr& slot : thread->slots_) {
    slot.reset(av_frame_alloc());
    if (!slot) return nullptr;
    slot->format = AV_PIX_FMT_YUV420P;
    slot->width = width;
    slot->height = height;
    if (av_frame_get_buffer(slot.get(), 0) < 0) return nullptr;
  }
  try {
    thread->worker_ = std::thread(&EncoderThread::run, thread.get());
  } catch (const std::system_error&) {
    return nullptr;
  }
  return thread;
}

EncoderThread::EncoderThread(std::unique_ptr<SlideshowEncoder> encoder, int width, int height)
    : encoder_(std::move(encoder)), width_(width), height_(height) {}

EncoderThread::~EncoderThread() {
  finish();
}

int EncoderThread::push(const uint8_t* i420) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return queued_ < kSlots || result_ != ZORV_OK; });
  if (result_ != ZORV_OK) return result_;
  if (closing_) return ZORV_ERROR_NOT_STARTED;
  AVFrame* picture = slots_[(head_ + queued_) % kSlots].get();
  lock.unlock();

  // The slot is the caller's until it is queued; an encoder that still holds the
  // previous picture in it makes this give the slot a fresh buffer.
  if (av_frame_make_writable(picture) < 0) {
    fail(ZORV_ERROR_ENCODING);
    return ZORV_ERROR_ENCODING;
  }
  const int chroma_width = width_ / 2;
  const int chroma_height = height_ / 2;
  const uint8_t* u = i420 + static_cast<std::size_t>(width_) * height_;
  const uint8_t* v = u + static_cast<std::size_t>(chroma_width) * chroma_height;
  av_image_copy_plane(picture->data[0], picture->linesize[0], i420, width_, width_, height_);
  av_image_copy_plane(picture->data[1], picture->linesize[1], u, chroma_width, chroma_width,
                      chroma_height);
  av_image_copy_plane(picture->data[2], picture->linesize[2], v, chroma_width, chroma_width,
                      chroma_height);

  lock.lock();
  ++queued_;
  lock.unlock();
  changed_.notify_all();
  return ZORV_OK;
}

int EncoderThread::finish() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
  std::lock_guard lock(mutex_);
  return result_;
}

void EncoderThread::fail(int result) {
  {
    std::lock_guard lock(mutex_);
    if (result_ == ZORV_OK) result_ = result;
  }
  changed_.notify_all();
}

void EncoderThread::run() {
  while (true) {
    AVFrame* picture = nullptr;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return queued_ > 0 || closing_ || result_ != ZORV_OK; });
      if (result_ != ZORV_OK || queued_ == 0) break;
      picture = slots_[head_].get();
    }
    const int result = encoder_->encode(picture);
    {
      std::lock_guard lock(mutex_);
      head_ = (head_ + 1) % kSlots;
      --queued_;
    }
    if (result != ZORV_OK) {
      fail(result);
      break;
    }
    changed_.notify_all();
  }

  std::unique_lock lock(mutex_);
  const int failure = result_;
  lock.unlock();
  if (failure != ZORV_OK) {
    encoder_->abandon();
    return;
  }
  if (const int finished = encoder_->finish(); finished != ZORV_OK) fail(finished);
}

}  // namespace pictavo
