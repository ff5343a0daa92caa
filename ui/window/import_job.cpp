#include "ui/window/import_job.h"

#include <QMetaObject>

namespace dru::ui {

ImportJob::~ImportJob() {
  Cancel();
  for (const QPointer<QThread>& thread : threads_) {
    if (thread != nullptr) thread->wait();
  }
}

void ImportJob::Cancel() {
  if (running_ != nullptr) running_->cancelled = true;
  running_ = nullptr;
  ++started_;
}

void ImportJob::Start(Work work, Done done) {
  Cancel();
  const std::uint64_t number = started_;
  auto progress = std::make_shared<ImportProgress>();
  running_ = progress;
  std::erase_if(threads_, [](const QPointer<QThread>& thread) { return thread == nullptr; });
  QThread* thread = QThread::create(
      [this, work = std::move(work), done = std::move(done), progress, number]() mutable {
        auto result = std::make_shared<ImportedText>(work(*progress));
        if (progress->cancelled) return;
        // Back in the window's thread; a newer start since makes it stale.
        QMetaObject::invokeMethod(
            this,
            [this, done = std::move(done), result, number] {
              if (number != started_) return;
              running_ = nullptr;
              done(std::move(*result));
            },
            Qt::QueuedConnection);
      });
  connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  threads_.emplace_back(thread);
  thread->start(QThread::LowPriority);
}

int ImportJob::Permille() const {
  if (running_ == nullptr) return 0;
  const std::size_t total = running_->total.load(std::memory_order_relaxed);
  const std::size_t done = running_->done.load(std::memory_order_relaxed);
  return total == 0 ? -1 : static_cast<int>(std::min<std::size_t>(done * 1000 / total, 1000));
}

}  // namespace dru::ui
