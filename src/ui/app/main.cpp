#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLockFile>
#include <cstdio>
#include <cstring>
#include <memory>
#include <type_traits>

#include "base/large_allocations.h"
#include "base/program_folder.h"
#include "ui/app/instance_channel.h"
#include "ui/app/main_window.h"
#include "ui/app/pictavo_app.h"
#include "ui/app/user_language.h"
#include "ui/common/path_text.h"

namespace {

// --help and --version answer without a display, so they must not need one.
bool asks_for_information(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

void describe(QCommandLineParser& parser) {
  parser.setApplicationDescription(QCoreApplication::translate(
      "main", "Pictavo turns photos and music into slideshow videos for the PSP."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("project"),
      QCoreApplication::translate("main", "A project file (.prg) to open."),
      QStringLiteral("[project.prg]"));
}

template <typename Application>
std::unique_ptr<Application> make_application(int& argc, char** argv) {
  auto app = std::make_unique<Application>(argc, argv);
  Application::setApplicationName(QStringLiteral("pictavo"));
  // Desktops match the window to its entry and icon by the application id.
  if constexpr (std::is_base_of_v<QGuiApplication, Application>)
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pictavo.Pictavo"));
  Application::setApplicationVersion(QStringLiteral(PICTAVO_VERSION));
  return app;
}

}  // namespace

int main(int argc, char** argv) {
  pictavo::map_large_allocations();
  const std::unique_ptr<QCoreApplication> app = asks_for_information(argc, argv)
                                                    ? make_application<QCoreApplication>(argc, argv)
                                                    : make_application<QApplication>(argc, argv);
  const pictavo::UserLanguage language(pictavo::program_folder());
  QCommandLineParser parser;
  describe(parser);
  parser.process(*app);  // --help and --version print and end the program here
  QApplication::setApplicationDisplayName(QStringLiteral("Pictavo"));

  const QStringList files = parser.positionalArguments();
  const QString file = files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath();
  QLockFile lock(pictavo::single_instance_lock_path());
  if (!lock.tryLock(0)) {
    if (pictavo::InstanceChannel::send(pictavo::single_instance_socket_path(), file)) {
      std::fprintf(
          stderr, "%s\n",
          qPrintable(QCoreApplication::translate(
              "main", "Pictavo is already running; its window was brought to the front.")));
    } else {
      std::fprintf(stderr, "%s\n",
                   qPrintable(QCoreApplication::translate("main", "Pictavo is already running.")));
    }
    return 0;
  }

  pictavo::PictavoApp pictavo_app(pictavo::program_folder());
  pictavo::MainWindow& window = pictavo_app.window();
  pictavo::InstanceChannel channel;
  QObject::connect(&channel, &pictavo::InstanceChannel::activated, &window,
                   [&window](const QString& project_file) {
                     window.bring_to_front();
                     if (!project_file.isEmpty()) window.open_file(pictavo::path_of(project_file));
                   });
  channel.listen(pictavo::single_instance_socket_path());
  window.show();
  if (!file.isEmpty()) window.open_file(pictavo::path_of(file));
  return QApplication::exec();
}
