#include "ui/platform/speech_service.h"

#include <QDeadlineTimer>
#include <QLocale>
#include <QMetaObject>
#include <QTextToSpeech>
#include <QThread>
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
    // The interface's language, where the service has a voice for it.
    const QLocale wanted;
    for (const QLocale& locale : engine_->availableLocales()) {
      if (locale.language() == wanted.language()) {
        engine_->setLocale(locale);
        break;
      }
    }
  }

  void Speak(const QString& text) {
    if (engine_ == nullptr) return;
    if (engine_->state() == QTextToSpeech::Error && Fatal(engine_->errorReason())) return;
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

  std::shared_ptr<SpeechService::Link> link_;
  QTextToSpeech* engine_ = nullptr;
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

void SpeechService::Failed(const QString& why) {
  if (failed_) return;
  failed_ = true;
  if (onUnavailable) onUnavailable(why);
}

}  // namespace dru::ui
