#include "ui/dialogs/profile_settings_list.h"

#include <QComboBox>
#include <QHeaderView>

namespace pictavo {
namespace {

// The rows in order; a heading has no parameter. Most rows are indented, as the
// program has always shown them.
struct Row {
  bool indented;
  const char* item;
  int parameter;  // a ProfileParameterId, or -1 for a heading
};
constexpr std::array<Row, 10> kRows{{
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Video"), -1},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Video Codec"),
     static_cast<int>(ProfileParameterId::kVideoCodec)},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Video Size"),
     static_cast<int>(ProfileParameterId::kVideoSize)},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Video Bitrate"),
     static_cast<int>(ProfileParameterId::kVideoBitrate)},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Video Frame Rate"),
     static_cast<int>(ProfileParameterId::kVideoFrameRate)},
    {false, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Audio"), -1},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Audio Codec"),
     static_cast<int>(ProfileParameterId::kAudioCodec)},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Audio Bitrate"),
     static_cast<int>(ProfileParameterId::kAudioBitrate)},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Sample Rate"),
     static_cast<int>(ProfileParameterId::kSampleRate)},
    {true, QT_TRANSLATE_NOOP("pictavo::ProfileSettingsList", "Audio Channel"),
     static_cast<int>(ProfileParameterId::kAudioChannel)},
}};

}  // namespace

ProfileSettingsList::ProfileSettingsList(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(2);
  setHeaderLabels({tr("Item"), tr("Value")});
  setRootIsDecorated(false);
  setSelectionMode(QAbstractItemView::NoSelection);
  header()->setSectionResizeMode(0, QHeaderView::Stretch);
  header()->setSectionResizeMode(1, QHeaderView::Stretch);
  header()->setSectionsMovable(false);

  for (const Row& row : kRows) {
    const QString name = tr(row.item);
    auto* item = new QTreeWidgetItem(this, {row.indented ? QStringLiteral("  ") + name : name});
    if (row.parameter < 0) {
      QFont bold = item->font(0);
      bold.setBold(true);
      item->setFont(0, bold);
      continue;
    }
    auto* box = new QComboBox(this);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAccessibleName(name);
    setItemWidget(item, 1, box);
    boxes_[static_cast<std::size_t>(row.parameter)] = box;
    connect(box, &QComboBox::activated, this, &ProfileSettingsList::value_chosen);
  }
}

QComboBox* ProfileSettingsList::value_box(ProfileParameterId id) const {
  return boxes_[static_cast<std::size_t>(id)];
}

void ProfileSettingsList::show_profile(const OutputProfile* profile) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    QComboBox* box = boxes_[i];
    box->clear();
    if (profile == nullptr) continue;
    const ProfileParameter& parameter = profile->parameters[i];
    for (const ProfileValue& value : parameter.values)
      box->addItem(QString::fromStdString(value.text));
    box->setCurrentText(QString::fromStdString(parameter.current.text));
  }
}

void ProfileSettingsList::read_back(OutputProfile& profile) const {
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    profile.parameters[i].set_text(boxes_[i]->currentText().toStdString());
}

}  // namespace pictavo
