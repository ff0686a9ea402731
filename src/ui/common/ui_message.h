#pragma once

#include <QCoreApplication>
#include <QEvent>

namespace pictavo {

// The messages the windows post to each other, numbered as the program has always
// numbered them (1024 + n), so that logs and handlers keep one name per message.
enum class UiMessage : int {
  kShowHint = 1132,             // the Organize Photo page shows its first-start hint
  kEnableCommands = 1133,       // w: nonzero enables the main window's commands
  kShowTipAtStart = 1134,       // the tip of the day, when it is to show at start-up
  kSaveProject = 1135,          // Save, from a project tree's menu
  kLoadProject = 1136,          // Open, from a project tree's menu
  kAddSlideshow = 1137,         // a page adds a slideshow, from its tree's menu
  kDeleteSlideshow = 1138,      // a page deletes its tree's selected slideshow
  kDeleteAllSlideshows = 1139,  // a page deletes every slideshow, from its tree's menu
  kTotalsChanged = 1140,        // the total duration and the capacity bar are stale
  kRefreshSlideshow = 1141,     // w: the tree item of slideshow w (-1: all) is stale
  kThumbnailReady = 1146,       // w, l: a thumbnail for the Effect page's image line
  kSelectSlideshow = 1147,      // w: the slideshow a page's project tree selects
  kRebuildTree = 1152,          // the visible page's project tree is stale
  kSettingsSaved = 1156,        // the Effect and Music pages show stale settings
  kStopMusic = 1157,            // a preview starts: the music player stops
  kMissionAccomplished = 1160,  // a make-video job made every video
};

// A posted message: it reaches its target on the target's thread, so workers may
// post it while only the user interface thread touches widgets.
class UiMessageEvent : public QEvent {
 public:
  static QEvent::Type event_type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }

  UiMessageEvent(UiMessage message, long long w = 0, long long l = 0)
      : QEvent(event_type()), message_(message), w_(w), l_(l) {}

  UiMessage message() const { return message_; }
  long long w() const { return w_; }
  long long l() const { return l_; }

 private:
  UiMessage message_;
  long long w_;
  long long l_;
};

// Posts `message` to `target` from any thread.
inline void post_message(QObject* target, UiMessage message, long long w = 0, long long l = 0) {
  QCoreApplication::postEvent(target, new UiMessageEvent(message, w, l));
}

}  // namespace pictavo
