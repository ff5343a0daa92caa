#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/import/text_import.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace dru::ui {

class Announcer;
class ImportJob;

// FormNewText: File › New from Text… (a box to paste into) and File ›
// Import… (a file), with the preview of the sentences they make, their
// count and what was changed or dropped. Save hands the lines to save;
// nothing is written before.
class TextImportWindow : public QDialog {
 public:
  // Writes the lines to a file the learner names (the suggestion filled
  // in); the path written, or nothing, and the window stays.
  using Save = std::function<std::optional<std::string>(const RecordList& lines,
                                                        const std::string& suggestion)>;

  // path: the file to bring in; empty for the paste box. language: the
  // text's language chosen last ("de"), empty for the desktop's.
  TextImportWindow(QWidget* parent, Save save, const std::string& path = {},
                   const QString& language = {});
  ~TextImportWindow() override;

  // False while the window must close without asking (dru is ending on a
  // signal).
  std::function<bool()> mayAsk = [] { return true; };

  // The text's language as chosen, for the next window.
  QString Language() const;

  // The file written, once the window was accepted.
  const std::string& Written() const noexcept { return written_; }

  static constexpr int kPreviewLines = 1000;

 protected:
  void reject() override;

 private:
  void Recut();
  void ShowResult(ImportedText result);
  void ShowRunning();
  void SaveLines();
  ImportRequest Request() const;

  Save save_;
  std::string path_;
  // The file's bytes, read once by the first cut and kept for the next.
  struct Source;
  std::shared_ptr<Source> source_;
  ImportJob* job_ = nullptr;
  ImportedText result_;
  bool haveResult_ = false;
  std::string written_;

  QPlainTextEdit* text_ = nullptr;
  QButtonGroup* cut_ = nullptr;
  QCheckBox* names_ = nullptr;
  QLabel* languageLabel_ = nullptr;
  QComboBox* language_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* notes_ = nullptr;
  QTreeWidget* preview_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  Announcer* announcer_ = nullptr;
  QTimer* editPause_ = nullptr;
  QTimer* progressTick_ = nullptr;
  int ticks_ = 0;
};

}  // namespace dru::ui
