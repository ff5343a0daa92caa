#include "ui/window/voice_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSlider>

#include "ui/platform/translation.h"

namespace dru::ui {

VoiceDialog::VoiceDialog(QWidget* parent, std::vector<SpeechService::Language> languages,
                         const VoiceChoice& current)
    : QDialog(parent), languages_(std::move(languages)) {
  setObjectName(QStringLiteral("VoiceDialog"));
  setWindowTitle(Tr("Voice", "Voice"));
  language_ = new QComboBox(this);
  language_->setObjectName(QStringLiteral("VoiceLanguage"));
  voice_ = new QComboBox(this);
  voice_->setObjectName(QStringLiteral("VoiceName"));
  rate_ = new QSlider(Qt::Horizontal, this);
  rate_->setObjectName(QStringLiteral("VoiceRate"));
  rate_->setRange(-10, 10);
  rate_->setPageStep(2);
  rate_->setAccessibleName(Tr("Voice", "Rate"));
  // The interface's language first, as no choice means.
  language_->addItem(Tr("Voice", "The interface's language"), QString());
  int chosen = 0;
  for (const SpeechService::Language& language : languages_) {
    const QLocale& locale = language.locale;
    language_->addItem(
        QStringLiteral("%1 (%2)").arg(locale.nativeLanguageName(), locale.nativeTerritoryName()),
        locale.name());
    if (locale.name().toStdString() == current.locale) chosen = language_->count() - 1;
  }
  language_->setCurrentIndex(chosen);
  ListVoices();
  const int voice = voice_->findText(QString::fromStdString(current.voice));
  if (voice >= 0) voice_->setCurrentIndex(voice);
  rate_->setValue(static_cast<int>(current.rate * 10));
  connect(language_, &QComboBox::currentIndexChanged, this, [this] { ListVoices(); });

  auto* form = new QFormLayout;
  form->addRow(Tr("Voice", "&Language:"), language_);
  form->addRow(Tr("Voice", "&Voice:"), voice_);
  form->addRow(Tr("Voice", "&Rate:"), rate_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void VoiceDialog::ListVoices() {
  voice_->clear();
  voice_->addItem(Tr("Voice", "The language's first"), QString());
  const int index = language_->currentIndex() - 1;
  if (index < 0 || index >= static_cast<int>(languages_.size())) return;
  for (const QString& name : languages_[static_cast<std::size_t>(index)].voices)
    voice_->addItem(name, name);
}

VoiceChoice VoiceDialog::Choice() const {
  return {language_->currentData().toString().toStdString(),
          voice_->currentData().toString().toStdString(), rate_->value() / 10.0};
}

}  // namespace dru::ui
