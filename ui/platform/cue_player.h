#pragma once

#include <QObject>
#include <map>
#include <optional>

#include "core/drill/cue.h"

class QSoundEffect;

namespace dru::ui {

// Plays the compiled-in cues. Each cue is loaded once, by Load, which the
// window calls once it is on screen: a cue asked for before is played
// then. Starting one stops the one sounding. Without a sound device
// nothing is heard and nothing else happens.
class CuePlayer : public QObject {
 public:
  explicit CuePlayer(QObject* parent);
  void Load();
  void Play(Cue cue);
  // Keeps the console free of the sound system's complaints about missing
  // audio devices; other messages pass.
  static void FilterAudioWarnings();

 private:
  std::map<Cue, QSoundEffect*> effects_;
  QSoundEffect* playing_ = nullptr;
  bool loaded_ = false;
  std::optional<Cue> pending_;
};

}  // namespace dru::ui
