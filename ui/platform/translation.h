#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

#include "core/text/translation.h"

namespace dru::ui {

// The window's own texts in the reader's language, from the same catalogue
// as the drill's lines, and with the same English plurals.
inline QString Tr(const char* context, const char* source, const char* disambiguation = nullptr,
                  int count = -1) {
  return QString::fromStdString(dru::Tr(context, source, disambiguation, count));
}

// The translation for the desktop's language, when dru has one, and Qt's
// own for the same language (its standard buttons and file dialog). Lives
// as long as the program.
class Translations {
 public:
  // Loads and installs; the catalogue is in place before any text is made.
  Translations();
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The language loaded, "de" or "pt_BR"; empty for English.
  const QString& Language() const { return language_; }

 private:
  class Catalogue;
  QString language_;
  std::unique_ptr<QTranslator> own_;
  std::unique_ptr<QTranslator> qt_;
  std::unique_ptr<Catalogue> catalogue_;
};

}  // namespace dru::ui
