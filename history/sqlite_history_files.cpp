// What the store keeps of each sentence file: its voice, kept with its
// path, and forgetting its answers.
#include <algorithm>

#include "history/sqlite_history_store.h"
#include "history/statement.h"

namespace dru {

using sql::Statement;

void SqliteHistoryStore::Forget(const std::string& file) {
  if (readOnly_) return;
  tally_.reset();
  InTransaction([&] {
    for (const char* sql :
         {"DELETE FROM answers WHERE sentence IN (SELECT s.id FROM sentences s JOIN files f "
          "ON s.file = f.id WHERE f.path = ?1)",
          "DELETE FROM sentences WHERE file IN (SELECT id FROM files WHERE path = ?1)",
          "DELETE FROM days WHERE file IN (SELECT id FROM files WHERE path = ?1)",
          "DELETE FROM sessions WHERE file IN (SELECT id FROM files WHERE path = ?1)"}) {
      Statement(db_, sql).Bind(1, file).Step();
    }
    // The speeds that grade answers are the user's over every file: worked
    // out again without the forgotten ones, by the one rule of an answer.
    ReplayAnswers();
  });
}

std::optional<VoiceChoice> SqliteHistoryStore::Voice(const std::string& file) const {
  Statement select(db_,
                   "SELECT voice_locale, voice_name, voice_rate FROM files WHERE path = ?1 "
                   "AND voice_locale IS NOT NULL");
  select.Bind(1, file);
  if (!select.Step()) return std::nullopt;
  return VoiceChoice{select.Text(0), select.Text(1), std::clamp(select.Real(2), -1.0, 1.0)};
}

void SqliteHistoryStore::SetVoice(const std::string& file, const VoiceChoice& voice) {
  if (readOnly_) return;
  InTransaction([&] {
    Statement(db_,
              "UPDATE files SET voice_locale = ?2, voice_name = ?3, voice_rate = ?4 WHERE id = ?1")
        .Bind(1, FileId(file))
        .Bind(2, voice.locale)
        .Bind(3, voice.voice)
        .Bind(4, voice.rate)
        .Step();
  });
}

}  // namespace dru
