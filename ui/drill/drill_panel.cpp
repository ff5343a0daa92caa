// The drill's widgets, laid out at fixed places, drawn from the drill.
#include "ui/drill/drill_panel.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

#include "core/drill/display_texts.h"
#include "core/drill/drill_view.h"
#include "ui/drill/input_box.h"
#include "ui/drill/status_line.h"
#include "ui/drill/target_display.h"
#include "ui/platform/announcer.h"
#include "ui/platform/cp1252_codec.h"
#include "ui/platform/fixed_layout.h"
#include "ui/platform/text_codec.h"
#include "ui/platform/translation.h"

namespace dru::ui {
namespace {

// Where the speed numbers end, in the group box, and their least width.
constexpr int kNumberRight = 259 + 24;
constexpr int kNumberWidth = 24;
// Between a caption and what it names, and from the last text to the
// group box's edge, when a translation widens them.
constexpr int kGap = 4;
constexpr int kEdge = 8;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QProgressBar* MakeBar(QWidget* parent, const char* name, const QString& accessibleName,
                      QRect geometry) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setAccessibleName(accessibleName);
  bar->setRange(static_cast<int>(kBarMin), static_cast<int>(kBarMax));
  bar->setValue(0);
  bar->setTextVisible(false);
  bar->setGeometry(geometry);
  return bar;
}

// Labels that grow with their text keep their place and height.
// The drill's own lines are UTF-8 (a file's name in them too).
void SetLabelText(QLabel* label, std::string_view text) {
  const QString shown = DecodeText(text, TextEncoding::Utf8);
  if (label->text() == shown) return;
  label->setText(shown);
  QRect place = LogicalPlace(*label);
  place.setWidth(std::max(label->sizeHint().width(), 1));
  Place(*label, place);
}

// The speed numbers keep their right edge, next to "Keys/min", and grow
// to the left. The bar's value is the speed itself, for assistive tools:
// past 600 its range grows with it, so that it stands full.
void SetSpeed(QLabel* label, QProgressBar* bar, std::int64_t speed, std::string_view text,
              int numberRight) {
  const int value = static_cast<int>(std::clamp<std::int64_t>(speed, kBarMin, 1'000'000'000));
  bar->setMaximum(std::max(value, static_cast<int>(kBarMax)));
  bar->setValue(value);
  const QString shown = ToQString(text);
  if (label->text() == shown) return;
  label->setText(shown);
  const int width = std::max(label->sizeHint().width(), kNumberWidth);
  Place(*label, QRect(numberRight - width, label->y(), width, label->height()));
  bar->setAccessibleDescription(Tr("DrillWindow", "%1 keys per minute").arg(shown));
}

}  // namespace

DrillPanel::DrillPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ClientArea"));
  setFixedSize(kWidth, kHeight);
  numberRight_ = kNumberRight;

  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(8, 56, 350, 42);
  MakeSentenceAndBox();
  const Statistics statistics = MakeStatistics();
  MakeStatusLine();

  // A translation's longer words widen the window rather than be cut; the
  // English window keeps its fixed layout.
  if (Translated()) {
    FitTexts(statistics.captions, statistics.units,
             {bevel, targetDisplay_, inputBox_, statistics.box, statusLine_});
  }
  MirrorChildren(*this);
  MirrorChildren(*statistics.box);
}

void DrillPanel::MakeSentenceAndBox() {
  targetDisplay_ = new TargetDisplay(this);
  targetDisplay_->setObjectName(QStringLiteral("StaticTextTXD"));
  // Assistive tools read a label's text as its name: the sentence itself,
  // and for the speeds their numbers. The role goes in the description.
  targetDisplay_->setAccessibleDescription(Tr("DrillWindow", "Sentence to type"));
  targetDisplay_->setGeometry(8, 8, 350, 42);

  inputBox_ = new InputBox(this);
  inputBox_->setObjectName(QStringLiteral("MemoTPD"));
  inputBox_->setAccessibleName(Tr("DrillWindow", "Typed text"));
  // The sentence labels the box it is typed into, so that a screen reader
  // reads it with the box.
  targetDisplay_->setBuddy(inputBox_);
  inputBox_->setGeometry(9, 57, 348, 40);
  connect(inputBox_, &InputBox::textChanged, targetDisplay_, [this] {
    // The drill keeps what is typed; the box tells it each change, but for
    // the drill's own emptying of it, which the drill knows.
    if (onTyped && !clearing_) onTyped(inputBox_->Bytes());
    if (recall_ != nullptr) ShowCue();
    targetDisplay_->FollowTyping(inputBox_->document()->characterCount() - 1);
    MarkTyping();
  });
}

DrillPanel::Statistics DrillPanel::MakeStatistics() {
  auto* statistics = new QGroupBox(Tr("DrillWindow", "Statistics"), this);
  statistics->setObjectName(QStringLiteral("Statistics"));
  statistics->setGeometry(8, 101, 350, 100);
  QLabel* bestCaption =
      MakeLabel(statistics, "Label1", Tr("DrillWindow", "Max Speed: "), {8, 21, 72, 13});
  QLabel* currentCaption =
      MakeLabel(statistics, "Label2", Tr("DrillWindow", "Current Speed:"), {8, 37, 89, 13});
  bestSpeedLabel_ =
      MakeLabel(statistics, "LabelMS", ToQString(kNoSpeedYetText), {259, 21, 24, 13}, true);
  currentSpeedLabel_ =
      MakeLabel(statistics, "LabelCS", ToQString(kNoSpeedYetText), {259, 37, 24, 13}, true);
  bestSpeedLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  currentSpeedLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  bestSpeedLabel_->setAccessibleDescription(Tr("DrillWindow", "Best speed in keys per minute"));
  currentSpeedLabel_->setAccessibleDescription(
      Tr("DrillWindow", "Current speed in keys per minute"));
  QLabel* bestUnit =
      MakeLabel(statistics, "Label3", Tr("DrillWindow", "Keys/min"), {288, 21, 54, 13});
  QLabel* currentUnit =
      MakeLabel(statistics, "Label4", Tr("DrillWindow", "Keys/min"), {288, 37, 54, 13});
  infoLabel_ = MakeLabel(statistics, "LabelInfo", QString::fromStdString(DisplayText(kNoFileText)),
                         {8, 55, 113, 13});
  timeLabel_ =
      MakeLabel(statistics, "Label6", QString::fromStdString(TimeLine(0, 0, 0)), {8, 71, 236, 13});
  // These two grow with their text from the start.
  for (QLabel* label : {infoLabel_, timeLabel_}) {
    label->resize(std::max(label->sizeHint().width(), 1), label->height());
  }
  // The bars lie over the group box, level with their labels.
  bestSpeedBar_ =
      MakeBar(this, "ProgressBarMS", Tr("DrillWindow", "Best speed"), {112, 124, 140, 10});
  currentSpeedBar_ =
      MakeBar(this, "ProgressBarCS", Tr("DrillWindow", "Current speed"), {112, 140, 140, 10});
  return {statistics, {bestCaption, currentCaption}, {bestUnit, currentUnit}};
}

void DrillPanel::MakeStatusLine() {
  announcer_ = new Announcer(this);
  statusLine_ = new StatusLine(this);
  statusLine_->setGeometry(0, 213, 368, 19);
  // The review counts at the status bar's right end.
  reviewLabel_ = new QLabel(statusLine_);
  reviewLabel_->setObjectName(QStringLiteral("ReviewCounts"));
  reviewLabel_->setTextFormat(Qt::PlainText);
  reviewLabel_->setAccessibleDescription(Tr("DrillWindow", "Sentences due for review, and new"));
  statusLine_->addPermanentWidget(reviewLabel_);
  reviewLabel_->hide();
}

void DrillPanel::FitTexts(const std::vector<QLabel*>& captions, const std::vector<QLabel*>& units,
                          std::initializer_list<QWidget*> wide) {
  const auto widest = [](const std::vector<QLabel*>& labels) {
    int width = 0;
    for (const QLabel* label : labels)
      width = std::max({width, label->width(), label->sizeHint().width()});
    return width;
  };
  const int captionWidth = widest(captions);
  const int unitWidth = widest(units);
  const QWidget* group = (*captions.begin())->parentWidget();
  // The bars, numbers and units move right past the longest caption...
  const int barLeft = bestSpeedBar_->x() - group->x();
  const int shift = std::max(0, (*captions.begin())->x() + captionWidth + kGap - barLeft);
  for (QLabel* caption : captions)
    caption->resize(captionWidth, caption->height());
  for (QWidget* moved :
       {static_cast<QWidget*>(bestSpeedBar_), static_cast<QWidget*>(currentSpeedBar_),
        static_cast<QWidget*>(bestSpeedLabel_), static_cast<QWidget*>(currentSpeedLabel_)})
    moved->move(moved->x() + shift, moved->y());
  numberRight_ += shift;
  const int unitLeft = (*units.begin())->x() + shift;
  for (QLabel* unit : units)
    unit->setGeometry(unitLeft, unit->y(), unitWidth, unit->height());
  // ...and the window widens as far as the units need.
  const int extra = std::max(0, unitLeft + unitWidth + kEdge - group->width());
  if (extra == 0) return;
  for (QWidget* widened : wide)
    widened->resize(widened->width() + extra, widened->height());
  setFixedSize(width() + extra, height());
}

std::string_view DrillPanel::ToType() const noexcept {
  if (recall_ != nullptr) return recall_->Part();
  return target_;
}

void DrillPanel::ShowCue() {
  // The characters typed right show in place of their cue; the drill's
  // own rule says how many they are.
  const TypedMatch match = MatchTyped(inputBox_->Bytes(), recall_->Part(), matchRule_);
  // A sentence to be heard shows no word of it, but what to do.
  const QString note = recall_->Level() == CueLevel::Listening
                           ? Tr("Drill", "Listen and type. F10 says it again.")
                           : QString();
  targetDisplay_->SetCue(recall_->Shown(match.matched, TargetDisplay::kRenderedBytes),
                         recall_->Prompt(), note);
}

void DrillPanel::MarkTyping() {
  if (!markWhileTyping_) {
    targetDisplay_->ShowMatch(0, 0);
    return;
  }
  // The drill's own rule decides; the display only draws what it found.
  const TypedMatch match = MatchTyped(inputBox_->Bytes(), ToType(), matchRule_);
  targetDisplay_->ShowMatchedCharacters(match.matched, match.wrong);
}

void DrillPanel::ShowStatus(const StatusReport& status) {
  switch (status.kind) {
    case StatusReport::Kind::Empty:
      statusLine_->Clear();
      break;
    case StatusReport::Kind::Correct:
      statusLine_->ShowCorrect();
      break;
    case StatusReport::Kind::Mistakes:
      statusLine_->ShowMistakes(status.typed, status.expected, status.comparison, encoding_);
      break;
    case StatusReport::Kind::Notice:
      statusLine_->ShowNotice(MessageText(status.notice));
      break;
  }
}

void DrillPanel::Show(const DrillSnapshot& snapshot) {
  if (snapshot.encoding != encoding_) {
    encoding_ = snapshot.encoding;
    targetDisplay_->SetEncoding(encoding_);
    inputBox_->SetEncoding(encoding_);
  }
  const bool newTarget = target_ != snapshot.target;
  const bool newCue = snapshot.cueCount != cueCount_;
  recall_ = snapshot.recall;
  cueCount_ = snapshot.cueCount;
  if (newTarget) target_ = snapshot.target;
  if (newTarget || newCue) {
    // Found once per sentence: the case rule looks at all of it.
    matchRule_ = MatchRuleFor(ToType(), snapshot.encoding, snapshot.options.caseSensitive);
    if (recall_ != nullptr) {
      ShowCue();
    } else {
      targetDisplay_->SetBytes(snapshot.target);
    }
    // The box types in the direction of the sentence shown: Hebrew and
    // Arabic from the right edge.
    const Qt::LayoutDirection direction =
        targetDisplay_->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    if (inputBox_->layoutDirection() != direction) {
      inputBox_->setLayoutDirection(direction);
      QTextOption option = inputBox_->document()->defaultTextOption();
      option.setTextDirection(direction);
      option.setAlignment(direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
      inputBox_->document()->setDefaultTextOption(option);
    }
  }
  if (inputBox_->isEnabled() != snapshot.inputEnabled) inputBox_->setEnabled(snapshot.inputEnabled);
  SetSpeed(currentSpeedLabel_, currentSpeedBar_, snapshot.currentSpeed.value_or(0),
           CurrentSpeedText(snapshot), numberRight_);
  SetSpeed(bestSpeedLabel_, bestSpeedBar_, snapshot.bestSpeed, BestSpeedText(snapshot),
           numberRight_);
  SetLabelText(infoLabel_, InfoText(snapshot));
  SetLabelText(timeLabel_, TimeText(snapshot));
  const QString review = QString::fromStdString(ReviewText(snapshot));
  if (reviewLabel_->text() != review) reviewLabel_->setText(review);
  reviewLabel_->setVisible(!review.isEmpty());
  if (newTarget || newCue || snapshot.options.markWhileTyping != markWhileTyping_ ||
      snapshot.options.caseSensitive != matchRule_.caseSensitive ||
      snapshot.encoding != matchRule_.encoding) {
    markWhileTyping_ = snapshot.options.markWhileTyping;
    const bool caseChanged = snapshot.options.caseSensitive != matchRule_.caseSensitive;
    matchRule_ = MatchRuleFor(ToType(), snapshot.encoding, snapshot.options.caseSensitive);
    // Case Sensitive changes what counts as typed right, and so the cue.
    if (caseChanged && recall_ != nullptr) ShowCue();
    MarkTyping();
  }
  if (snapshot.inputClearCount != inputClearCount_) {
    inputClearCount_ = snapshot.inputClearCount;
    clearing_ = true;
    inputBox_->clear();
    clearing_ = false;
  }
  if (snapshot.statusCount != statusCount_ && snapshot.status != nullptr) {
    statusCount_ = snapshot.statusCount;
    ShowStatus(*snapshot.status);
  }
  if (snapshot.spokenCount != spokenCount_) {
    // A screen reader speaks a change of the focused box's description:
    // the result of a step, the sentence to type.
    spokenCount_ = snapshot.spokenCount;
    // The focused box's description holds it, for reading it again; the
    // announcer has it said at once.
    const QString spoken = DecodeText(snapshot.spoken, TextEncoding::Utf8);
    inputBox_->setAccessibleDescription(spoken);
    announcer_->Say(spoken);
  }
}

}  // namespace dru::ui
