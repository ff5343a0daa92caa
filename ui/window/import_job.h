#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>
#include <vector>

#include "core/import/text_import.h"

namespace dru::ui {

// Works a text brought in on a thread of its own, so that cutting a large
// text never holds up the window. A new start cancels the work before it;
// only the newest work's result comes back, in the window's thread.
class ImportJob : public QObject {
 public:
  using Work = std::function<ImportedText(ImportProgress&)>;
  using Done = std::function<void(ImportedText)>;

  explicit ImportJob(QObject* parent) : QObject(parent) {}
  // Cancels what runs and waits for it: nothing outlives the window.
  ~ImportJob() override;

  void Start(Work work, Done done);
  void Cancel();
  bool Running() const noexcept { return running_ != nullptr; }
  // How far the newest work has come, 0 to 1000; -1 while it cannot say
  // (a file still being read).
  int Permille() const;

 private:
  std::vector<QPointer<QThread>> threads_;
  std::shared_ptr<ImportProgress> running_;
  std::uint64_t started_ = 0;
};

}  // namespace dru::ui
