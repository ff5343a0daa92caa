#pragma once

#include <QObject>
#include <map>

#include "cue.h"

class QSoundEffect;

namespace dru::ui {

// Plays the compiled-in cues. Each cue is loaded once; starting one stops
// the one sounding. Without a sound device nothing is heard and nothing
// else happens.
class CuePlayer : public QObject {
 public:
  explicit CuePlayer(QObject* parent);
  void Play(Cue cue);
  // Keeps the console free of the sound system's complaints about missing
  // audio devices; other messages pass.
  static void FilterAudioWarnings();

 private:
  std::map<Cue, QSoundEffect*> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace dru::ui
