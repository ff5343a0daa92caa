#include "cue_player.h"

#include <QSoundEffect>
#include <QUrl>

namespace dru::ui {
namespace {

constexpr const char* kCues[] = {"ABOUT", "START", "MENU", "CLOSE", "RESTORE",
                                 "ENTER", "ESC",   "DEL",  "TYPE",  "HEPP"};

QtMessageHandler previousHandler = nullptr;

void AudioWarningFilter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const bool audio =
      (context.category != nullptr && QByteArray(context.category).startsWith("qt.multimedia")) ||
      text.contains(QStringLiteral("audio device"), Qt::CaseInsensitive) ||
      text.contains(QStringLiteral("QSoundEffect")) ||
      text.contains(QStringLiteral("PulseAudio")) || text.contains(QStringLiteral("pa_context"));
  if (audio && type != QtFatalMsg) return;
  if (previousHandler != nullptr) previousHandler(type, context, text);
}

}  // namespace

void CuePlayer::FilterAudioWarnings() {
  if (previousHandler == nullptr) previousHandler = qInstallMessageHandler(AudioWarningFilter);
}

CuePlayer::CuePlayer(QObject* parent) : QObject(parent) {
  for (const char* name : kCues) {
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(QLatin1String(name))));
    effect->setLoopCount(1);
    effects_.emplace(QString::fromLatin1(name), effect);
  }
}

void CuePlayer::Play(std::string_view name) {
  const auto found =
      effects_.find(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  if (found == effects_.end()) return;
  if (playing_ != nullptr && playing_ != found->second) playing_->stop();
  playing_ = found->second;
  playing_->stop();  // a cue started again begins from the start
  playing_->play();
}

}  // namespace dru::ui
