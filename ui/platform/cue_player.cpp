#include "ui/platform/cue_player.h"

#include <QSoundEffect>
#include <QUrl>
#include <utility>

namespace dru::ui {
namespace {

// The sound file of each cue, compiled in from resources/sounds.
constexpr std::pair<Cue, const char*> kCueSounds[] = {
    {Cue::About, "qrc:/sounds/ABOUT.wav"},     {Cue::Start, "qrc:/sounds/START.wav"},
    {Cue::Menu, "qrc:/sounds/MENU.wav"},       {Cue::Close, "qrc:/sounds/CLOSE.wav"},
    {Cue::Restore, "qrc:/sounds/RESTORE.wav"}, {Cue::Enter, "qrc:/sounds/ENTER.wav"},
    {Cue::Esc, "qrc:/sounds/ESC.wav"},         {Cue::Del, "qrc:/sounds/DEL.wav"},
    {Cue::Type, "qrc:/sounds/TYPE.wav"},       {Cue::Hepp, "qrc:/sounds/HEPP.wav"},
};

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

CuePlayer::CuePlayer(QObject* parent) : QObject(parent) {}

void CuePlayer::Load() {
  if (loaded_) return;
  loaded_ = true;
  for (const auto& [cue, file] : kCueSounds) {
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl(QString::fromLatin1(file)));
    effect->setLoopCount(1);
    effects_.emplace(cue, effect);
  }
  if (pending_) Play(*std::exchange(pending_, std::nullopt));
}

void CuePlayer::Play(Cue cue) {
  if (!loaded_) {
    pending_ = cue;  // the newest one, once the sounds are there
    return;
  }
  const auto found = effects_.find(cue);
  if (found == effects_.end()) return;
  if (playing_ != nullptr && playing_ != found->second) playing_->stop();
  playing_ = found->second;
  playing_->stop();  // a cue started again begins from the start
  playing_->play();
}

}  // namespace dru::ui
