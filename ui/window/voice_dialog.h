#pragma once

#include <QDialog>
#include <vector>

#include "history/history_store.h"  // VoiceChoice
#include "ui/platform/speech_service.h"

class QComboBox;
class QSlider;

namespace dru::ui {

// VoiceDialog: Options › Voice…, the language, voice and rate a sentence
// file is read aloud in, from what the speech service offers.
class VoiceDialog : public QDialog {
 public:
  VoiceDialog(QWidget* parent, std::vector<SpeechService::Language> languages,
              const VoiceChoice& current);
  VoiceChoice Choice() const;

 private:
  void ListVoices();

  std::vector<SpeechService::Language> languages_;
  QComboBox* language_ = nullptr;
  QComboBox* voice_ = nullptr;
  QSlider* rate_ = nullptr;
};

}  // namespace dru::ui
