#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "history/history_store.h"  // VoiceChoice

class QThread;

namespace dru::ui {

class SpeechWorker;

// The desktop's speech service (speech-dispatcher, through Qt's speechd
// engine), on a thread of its own: nothing of it is loaded before it is
// started, and saying a sentence never waits in the window's thread. A
// service that is missing or fails is said once, through onUnavailable,
// and speaking stops; the drill goes on.
class SpeechService : public QObject {
 public:
  explicit SpeechService(QObject* parent);
  ~SpeechService() override;

  // Loads the engine and connects to the service, once.
  void Start();
  bool Started() const noexcept { return thread_ != nullptr; }
  // Says text in the voice for the interface's language; what is still
  // being said stops. Starts the service when it is not.
  void Say(const QString& text);
  // In the window's thread, once: why there is no speech.
  std::function<void(const QString& why)> onUnavailable;

  // The voice from now on; an empty locale, or one the service no longer
  // has, is the interface's language, and a voice it no longer has is the
  // language's first.
  void SetVoice(const VoiceChoice& voice);
  // The service's languages, each with its voices, handed to done in the
  // window's thread; none when there is no service.
  struct Language {
    QLocale locale;
    QStringList voices;
  };
  void ListVoices(std::function<void(std::vector<Language>)> done);

  // How the service's thread reaches this object, for as long as it lives.
  struct Link;

 private:
  void Failed(const QString& why);

  std::shared_ptr<Link> link_;
  QThread* thread_ = nullptr;
  SpeechWorker* worker_ = nullptr;  // lives in thread_
  bool failed_ = false;
};

}  // namespace dru::ui
