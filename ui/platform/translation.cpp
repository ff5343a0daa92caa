// Loading the translations and answering the drill's catalogue from them.
#include "ui/platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <cstdlib>

#include "app/language.h"

namespace dru::ui {

class Translations::Catalogue : public dru::Catalogue {
 public:
  explicit Catalogue(const QTranslator& translator) : translator_(translator) {}
  std::optional<std::string> Find(const char* context, const char* source,
                                  const char* disambiguation, int count) const override {
    const QString found = translator_.translate(context, source, disambiguation, count);
    if (found.isEmpty()) return std::nullopt;
    return found.toStdString();
  }

 private:
  const QTranslator& translator_;
};

Translations::Translations() {
  auto own = std::make_unique<QTranslator>();
  for (const std::string& wanted : WantedLanguages(&std::getenv)) {
    const QString language = QString::fromStdString(wanted);
    if (own->load(QStringLiteral(":/i18n/dru_") + language)) {
      language_ = language;
      break;
    }
  }
  if (language_.isEmpty()) return;  // English: the texts as written
  own_ = std::move(own);
  catalogue_ = std::make_unique<Catalogue>(*own_);
  UseCatalogue(catalogue_.get());
  // Installed, it also sets the window's direction from its
  // QT_LAYOUT_DIRECTION entry.
  if (QCoreApplication::instance() != nullptr) QCoreApplication::installTranslator(own_.get());
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language_,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    qt_ = std::move(qt);
    if (QCoreApplication::instance() != nullptr) QCoreApplication::installTranslator(qt_.get());
  }
}

Translations::~Translations() {
  if (catalogue_) UseCatalogue(nullptr);
  if (QCoreApplication::instance() == nullptr) return;
  for (QTranslator* translator : {own_.get(), qt_.get()}) {
    if (translator != nullptr) QCoreApplication::removeTranslator(translator);
  }
}

}  // namespace dru::ui

// Each translation says which way its language is written: "LTR" or "RTL".
[[maybe_unused]] static const char* const kLayoutDirection =
    DRU_TR_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");
