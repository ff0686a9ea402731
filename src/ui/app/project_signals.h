#pragma once

#include <QObject>

#include "model/project_observer.h"

namespace pictavo {

// The project's change notices as a Qt signal. Told on the user interface
// thread, where every edit runs, so the views follow each change directly.
class ProjectSignals final : public QObject, public ProjectObserver {
  Q_OBJECT

 public:
  using QObject::QObject;

  void project_changed(const ProjectChange& change) override { emit changed(change); }

 signals:
  void changed(const pictavo::ProjectChange& change);
};

}  // namespace pictavo
