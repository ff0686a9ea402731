#include "ui/dialogs/tip_of_the_day_dialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <ctime>

#include "base/text_number.h"
#include "ui/common/path_text.h"
#include "ui/common/theme.h"

namespace pictavo {
namespace {

constexpr int kMaxLineCharacters = 1000;

// Blank lines and lines that begin with a blank, a tab or ";" hold no tip.
bool is_tip_line(const QByteArray& line) {
  return !line.isEmpty() && !QByteArrayLiteral(" \t;\r\n").contains(line.front());
}

// The file's modification time as the stored stamp has always been written: the
// C library's text of the local time, without the line end.
QString time_stamp(const std::filesystem::path& file) {
  const std::time_t modified = QFileInfo(path_text(file)).lastModified().toSecsSinceEpoch();
  char text[32] = {};
  if (ctime_r(&modified, text) == nullptr) return {};
  return QString::fromLatin1(text).trimmed();
}

// The line as text, without its line end and cut to the longest line a tip has.
QString line_text(const QByteArray& line) {
  QByteArray content = line;
  while (content.endsWith('\n') || content.endsWith('\r'))
    content.chop(1);
  return QString::fromStdU32String(
      QString::fromUtf8(content).toStdU32String().substr(0, kMaxLineCharacters));
}

QLabel* white_label(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

TipOfTheDayDialog::TipOfTheDayDialog(const std::filesystem::path& tips_file, QSettings& settings,
                                     QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowTitle(tr("Tip of the Day"));
  build_controls();
  open_tips(tips_file);
}

TipOfTheDayDialog::~TipOfTheDayDialog() {
  if (file_.isOpen()) settings_.set_tip_position(file_.pos());
}

void TipOfTheDayDialog::build_controls() {
  // The tip stands on white, as on a note (on the palette's base in the dark).
  auto* note = new QFrame(this);
  note->setFrameShape(QFrame::StyledPanel);
  note->setAutoFillBackground(true);
  QPalette white = note->palette();
  white.setColor(QPalette::Window, themed(white, Qt::white, QPalette::Base));
  white.setColor(QPalette::WindowText, themed(white, Qt::black, QPalette::Text));
  note->setPalette(white);
  header_ = white_label(note);
  QFont header_font = header_->font();
  header_font.setBold(true);
  header_font.setPointSizeF(header_font.pointSizeF() * 1.4);
  header_->setFont(header_font);
  text_ = white_label(note);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  footer_ = white_label(note);
  auto* note_layout = new QVBoxLayout(note);
  note_layout->addWidget(header_);
  note_layout->addWidget(text_, 1);
  note_layout->addWidget(footer_);

  show_at_start_up_ = new QCheckBox(tr("&Show tips at startup"), this);
  show_at_start_up_->setChecked(settings_.tip_at_start_up());
  next_button_ = new QPushButton(tr("&Next Tip"), this);
  close_button_ = new QPushButton(tr("&Close"), this);
  close_button_->setDefault(true);
  connect(next_button_, &QPushButton::clicked, this, &TipOfTheDayDialog::show_next_tip);
  connect(close_button_, &QPushButton::clicked, this, &TipOfTheDayDialog::close_and_keep_switch);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(show_at_start_up_);
  buttons->addStretch();
  buttons->addWidget(next_button_);
  buttons->addWidget(close_button_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note, 1);
  layout->addLayout(buttons);
  resize(440, 260);
}

void TipOfTheDayDialog::open_tips(const std::filesystem::path& tips_file) {
  file_.setFileName(path_text(tips_file));
  if (!file_.open(QIODevice::ReadOnly)) {
    show_notice(tr("The tips file is missing from the program folder"));
    next_button_->setEnabled(false);
    return;
  }
  // A changed file may have its tips anywhere now: start from its beginning.
  long long position = settings_.tip_position();
  const QString stamp = time_stamp(tips_file);
  if (stamp != settings_.tip_time_stamp()) {
    settings_.set_tip_time_stamp(stamp);
    position = 0;
  }
  // A position inside a line is another file's: the tips file of another language,
  // which may bear the same time stamp.
  char before = '\n';
  if (position > 0 && (!file_.seek(position - 1) || !file_.getChar(&before) || before != '\n'))
    position = 0;
  if (!file_.seek(position)) {
    show_notice(tr("Trouble reading the tips file"));
    return;
  }
  show_next_tip();
}

void TipOfTheDayDialog::show_next_tip() {
  const qint64 start = file_.pos();
  bool rewound = false;
  while (!rewound || file_.pos() < start) {
    const QByteArray line = file_.readLine();
    if (is_tip_line(line)) {
      show_tip(line);
      return;
    }
    if (!line.isEmpty()) continue;
    // The end of the file: go round once.
    if (rewound) break;
    if (!file_.seek(0)) {
      show_notice(tr("Trouble reading the tips file"));
      return;
    }
    rewound = true;
  }
  show_notice(tr("The tips file holds no tips"));
  next_button_->setEnabled(false);
}

void TipOfTheDayDialog::show_tip(const QByteArray& line) {
  const QStringList fields = line_text(line).split(QLatin1Char('\t'));
  const auto field = [&fields](int index) {
    return index < fields.size() ? fields[index] : QString();
  };
  text_->setText(field(0));
  header_->setText(field(1).isEmpty() ? tr("Did you know...") : field(1));
  footer_->setText(field(2));
  tip_number_ = parse_int(field(3).toStdString());
}

void TipOfTheDayDialog::show_notice(const QString& text) {
  header_->setText(tr("Oops!"));
  text_->setText(text);
  footer_->clear();
}

void TipOfTheDayDialog::close_and_keep_switch() {
  settings_.set_tip_at_start_up(show_at_start_up_->isChecked());
  accept();
}

QString TipOfTheDayDialog::header_text() const {
  return header_->text();
}

QString TipOfTheDayDialog::tip_text() const {
  return text_->text();
}

QString TipOfTheDayDialog::footer_text() const {
  return footer_->text();
}

}  // namespace pictavo
