#include "ui/platform/speech_service.h"

#include <QDeadlineTimer>
#include <QLocale>
#include <QMetaObject>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <algorithm>
#include <mutex>

namespace dru::ui {

struct SpeechService::Link {
  std::mutex mutex;
  SpeechService* service = nullptr;  // none once it is gone

  // Has the service hear why, in its own thread, while it lives.
  void Fail(const QString& why) {
    const std::lock_guard lock(mutex);
    if (service == nullptr) return;
    QMetaObject::invokeMethod(service, [target = service, why] { target->Failed(why); });
  }
};

// The engine and all that touches it, in the service's thread.
class SpeechWorker : public QObject {
 public:
  explicit SpeechWorker(std::shared_ptr<SpeechService::Link> link) : link_(std::move(link)) {}

  void Open() {
    engine_ = new QTextToSpeech(QStringLiteral("speechd"), this);
    QObject::connect(engine_, &QTextToSpeech::errorOccurred, this,
                     [this](QTextToSpeech::ErrorReason reason, const QString& why) {
                       if (Fatal(reason)) link_->Fail(why);
                     });
    if (engine_->state() == QTextToSpeech::Error && Fatal(engine_->errorReason())) {
      link_->Fail(engine_->errorString());
      return;
    }
    // Without a voice for the system's locale ("C") the engine starts in
    // an error of configuration; a language of the service's own clears it.
    if (engine_->state() == QTextToSpeech::Error && !engine_->availableLocales().isEmpty()) {
      engine_->setLocale(engine_->availableLocales().constFirst());
    }
    Apply();
  }

  void Choose(const VoiceChoice& voice) {
    voice_ = voice;
    if (engine_ != nullptr) Apply();
  }

  std::vector<SpeechService::Language> Languages() {
    std::vector<SpeechService::Language> languages;
    if (engine_ == nullptr || Unusable()) return languages;
    const QLocale chosen = engine_->locale();
    for (const QLocale& locale : engine_->availableLocales()) {
      engine_->setLocale(locale);
      QStringList voices;
      for (const QVoice& voice : engine_->availableVoices())
        voices << voice.name();
      languages.push_back({locale, voices});
    }
    engine_->setLocale(chosen);
    Apply();
    return languages;
  }

  void Speak(const QString& text) {
    if (engine_ == nullptr || Unusable()) return;
    engine_->stop();
    engine_->say(text);
  }

 private:
  // Only a service that cannot be reached or cannot play is missing: one
  // without a default voice for the system's locale still speaks.
  static bool Fatal(QTextToSpeech::ErrorReason reason) {
    return reason == QTextToSpeech::ErrorReason::Initialization ||
           reason == QTextToSpeech::ErrorReason::Playback;
  }
  bool Unusable() const {
    return engine_->state() == QTextToSpeech::Error && Fatal(engine_->errorReason());
  }

  // The chosen language, or the interface's, where the service has it;
  // the chosen voice where the language has it; the rate.
  void Apply() {
    const QList<QLocale> locales = engine_->availableLocales();
    const QLocale chosen(QString::fromStdString(voice_.locale));
    const QLocale wanted;
    const auto has = [&](const QLocale& locale) { return locales.contains(locale); };
    if (!voice_.locale.empty() && has(chosen)) {
      engine_->setLocale(chosen);
    } else {
      for (const QLocale& locale : locales) {
        if (locale.language() == wanted.language()) {
          engine_->setLocale(locale);
          break;
        }
      }
    }
    for (const QVoice& voice : engine_->availableVoices()) {
      if (voice.name() == QString::fromStdString(voice_.voice)) {
        engine_->setVoice(voice);
        break;
      }
    }
    engine_->setRate(std::clamp(voice_.rate, -1.0, 1.0));
  }

  std::shared_ptr<SpeechService::Link> link_;
  QTextToSpeech* engine_ = nullptr;
  VoiceChoice voice_;
};

SpeechService::SpeechService(QObject* parent) : QObject(parent), link_(std::make_shared<Link>()) {
  link_->service = this;
}

SpeechService::~SpeechService() {
  {
    const std::lock_guard lock(link_->mutex);
    link_->service = nullptr;
  }
  if (thread_ == nullptr) return;
  // The engine goes in its own thread, then the thread. A service that
  // never answers may hold that thread: the program is ending, and it is
  // left to end with it rather than waited for.
  QMetaObject::invokeMethod(worker_, [worker = worker_] {
    delete worker;
    QThread::currentThread()->quit();
  });
  if (thread_->wait(QDeadlineTimer(2000))) delete thread_;
}

void SpeechService::Start() {
  if (thread_ != nullptr) return;
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("dru speech"));
  worker_ = new SpeechWorker(link_);
  worker_->moveToThread(thread_);
  thread_->start();
  QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->Open(); });
}

void SpeechService::Say(const QString& text) {
  if (failed_) return;
  Start();
  QMetaObject::invokeMethod(worker_, [worker = worker_, text] { worker->Speak(text); });
}

void SpeechService::SetVoice(const VoiceChoice& voice) {
  if (failed_) return;
  Start();
  QMetaObject::invokeMethod(worker_, [worker = worker_, voice] { worker->Choose(voice); });
}

void SpeechService::ListVoices(std::function<void(std::vector<Language>)> done) {
  if (failed_) {
    done({});
    return;
  }
  Start();
  QMetaObject::invokeMethod(worker_, [worker = worker_, link = link_, done] {
    std::vector<Language> languages = worker->Languages();
    const std::lock_guard lock(link->mutex);
    if (link->service == nullptr) return;
    QMetaObject::invokeMethod(link->service, [done, languages] { done(languages); });
  });
}

void SpeechService::Failed(const QString& why) {
  if (failed_) return;
  failed_ = true;
  if (onUnavailable) onUnavailable(why);
}

}  // namespace dru::ui
