#pragma once

#include <QMetaType>
#include <QObject>

#include "video/make_video_job.h"

Q_DECLARE_METATYPE(pictavo::MakeVideoOutcome)

namespace pictavo {

// Turns what a make-video job tells, on the job's thread, into signals. It lives on
// the user interface thread, so connections to widgets are queued: the job's thread
// never touches a widget.
class MakeVideoSignals final : public QObject, public MakeVideoListener {
  Q_OBJECT

 public:
  using QObject::QObject;

  void progress(int position) override { emit progress_made(position); }
  void job_ended(const MakeVideoOutcome& outcome) override { emit ended(outcome); }

 signals:
  // The progress over the whole project, 0 to 65535.
  void progress_made(int position);
  // The job no longer runs.
  void ended(const pictavo::MakeVideoOutcome& outcome);
};

}  // namespace pictavo
