// The window that makes a text into sentences: a box or a file in, a
// preview out, cut on a thread of its own.
#include "ui/window/text_import_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMutex>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>

#include "app/language.h"
#include "core/file/io_error.h"
#include "ui/platform/announcer.h"
#include "ui/platform/text_codec.h"
#include "ui/platform/translation.h"
#include "ui/window/import_job.h"
#include "ui/window/message_boxes.h"

namespace dru::ui {
namespace {

struct TextLanguage {
  const char* code;
  const char* name;  // in itself
};

// The languages whose sentence ends and abbreviations dru knows.
constexpr TextLanguage kTextLanguages[] = {
    {"en", "English"},
    {"de", "Deutsch"},
    {"es", "Espa\u00f1ol"},
    {"fr", "Fran\u00e7ais"},
    {"it", "Italiano"},
    {"pl", "Polski"},
    {"pt", "Portugu\u00eas"},
    {"ru", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
    {"he", "\u05e2\u05d1\u05e8\u05d9\u05ea"},
};

// The desktop's language where dru knows its sentences, else English.
int DesktopLanguage() {
  const std::vector<std::string> wanted = WantedLanguages(&std::getenv);
  const std::string base = wanted.empty() ? "en" : wanted.front().substr(0, 2);
  for (int i = 0; i < static_cast<int>(std::size(kTextLanguages)); ++i) {
    if (base == kTextLanguages[i].code) return i;
  }
  return 0;
}

// Long lines are shown in part: the list need not lay out megabytes.
QString Shown(std::string_view text) {
  constexpr std::size_t kShown = 300;
  const bool cut = text.size() > kShown;
  if (cut) {
    std::size_t end = kShown;
    while (end > 0 && IsContinuationByte(text[end]))
      --end;
    text = text.substr(0, end);
  }
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return cut ? shown + QChar(0x2026) : shown;
}

}  // namespace

struct TextImportWindow::Source {
  QMutex mutex;  // held while the file is read, by the first cut
  bool read = false;
  std::shared_ptr<const std::string> bytes;
  std::string error;  // why it could not be read
};

TextImportWindow::TextImportWindow(QWidget* parent, Save save, const std::string& path,
                                   const QString& language)
    : QDialog(parent), save_(std::move(save)), path_(path), source_(std::make_shared<Source>()) {
  setObjectName(QStringLiteral("FormNewText"));
  const bool fromFile = !path.empty();
  setWindowTitle(fromFile ? Tr("Import", "Import") : Tr("Import", "New from Text"));
  job_ = new ImportJob(this);
  auto* layout = new QVBoxLayout(this);

  if (fromFile) {
    auto* from =
        new QLabel(Tr("Import", "From: %1").arg(QFileInfo(PathText(path)).fileName()), this);
    from->setObjectName(QStringLiteral("ImportFrom"));
    from->setToolTip(PathText(path));
    layout->addWidget(from);
  } else {
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("NewTextBox"));
    text_->setTabChangesFocus(true);
    text_->setPlaceholderText(Tr("Import", "Paste or type the text to learn here."));
    auto* label = new QLabel(Tr("Import", "&Text:"), this);
    label->setBuddy(text_);
    layout->addWidget(label);
    layout->addWidget(text_, 2);
    editPause_ = new QTimer(this);
    editPause_->setSingleShot(true);
    editPause_->setInterval(150);
    connect(editPause_, &QTimer::timeout, this, [this] { Recut(); });
    connect(text_, &QPlainTextEdit::textChanged, editPause_, qOverload<>(&QTimer::start));
  }

  auto* cutRow = new QHBoxLayout;
  auto* sentences = new QRadioButton(Tr("Import", "&One sentence per line"), this);
  sentences->setObjectName(QStringLiteral("CutSentences"));
  auto* lines = new QRadioButton(Tr("Import", "&Keep the lines"), this);
  lines->setObjectName(QStringLiteral("CutLines"));
  cut_ = new QButtonGroup(this);
  cut_->addButton(sentences, static_cast<int>(CutMode::Sentences));
  cut_->addButton(lines, static_cast<int>(CutMode::Lines));
  sentences->setChecked(true);
  language_ = new QComboBox(this);
  language_->setObjectName(QStringLiteral("TextLanguage"));
  for (const TextLanguage& known : kTextLanguages)
    language_->addItem(QString::fromUtf8(known.name), QString::fromLatin1(known.code));
  const int chosen = language_->findData(language);
  language_->setCurrentIndex(chosen >= 0 ? chosen : DesktopLanguage());
  languageLabel_ = new QLabel(Tr("Import", "&Language:"), this);
  QLabel* languageLabel = languageLabel_;
  languageLabel->setBuddy(language_);
  names_ = new QCheckBox(Tr("Import", "The first row holds column &names"), this);
  names_->setObjectName(QStringLiteral("FirstRowNames"));
  names_->hide();
  connect(names_, &QCheckBox::toggled, this, [this] { Recut(); });
  cutRow->addWidget(names_);
  cutRow->addWidget(sentences);
  cutRow->addWidget(lines);
  cutRow->addStretch();
  cutRow->addWidget(languageLabel);
  cutRow->addWidget(language_);
  layout->addLayout(cutRow);
  connect(cut_, &QButtonGroup::idClicked, this, [this, languageLabel](int id) {
    const bool bySentence = id == static_cast<int>(CutMode::Sentences);
    language_->setEnabled(bySentence);
    languageLabel->setEnabled(bySentence);
    Recut();
  });
  connect(language_, &QComboBox::currentIndexChanged, this, [this] { Recut(); });

  auto* progressRow = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("CutProgress"));
  progress_->setRange(0, 1000);
  progress_->setAccessibleName(Tr("Import", "Cutting the text"));
  stop_ = new QPushButton(Tr("Import", "Stop c&utting"), this);
  stop_->setObjectName(QStringLiteral("CutStop"));
  progressRow->addWidget(progress_, 1);
  progressRow->addWidget(stop_);
  layout->addLayout(progressRow);
  progress_->hide();
  stop_->hide();
  connect(stop_, &QPushButton::clicked, this, [this] {
    job_->Cancel();
    ShowRunning();
    count_->setText(Tr("Import", "Stopped. Change the text or the cut to try again."));
  });
  progressTick_ = new QTimer(this);
  progressTick_->setInterval(100);
  connect(progressTick_, &QTimer::timeout, this, [this] { ShowRunning(); });

  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("PreviewCount"));
  count_->setTextFormat(Qt::PlainText);
  count_->setWordWrap(true);
  notes_ = new QLabel(this);
  notes_->setObjectName(QStringLiteral("PreviewNotes"));
  notes_->setTextFormat(Qt::PlainText);
  notes_->setWordWrap(true);
  layout->addWidget(count_);
  layout->addWidget(notes_);

  preview_ = new QTreeWidget(this);
  preview_->setObjectName(QStringLiteral("PreviewList"));
  preview_->setRootIsDecorated(false);
  preview_->setWordWrap(true);  // a long sentence is seen whole
  preview_->setColumnCount(2);
  preview_->setHeaderLabels({Tr("Import", "Sentence"), Tr("Import", "Prompt")});
  preview_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  preview_->setAccessibleName(Tr("Import", "Preview"));
  auto* previewLabel = new QLabel(Tr("Import", "&Preview:"), this);
  previewLabel->setBuddy(preview_);
  layout->addWidget(previewLabel);
  layout->addWidget(preview_, 3);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  saveButton_ = buttons->addButton(Tr("Import", "&Save..."), QDialogButtonBox::AcceptRole);
  saveButton_->setObjectName(QStringLiteral("NewTextSave"));
  saveButton_->setEnabled(false);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { SaveLines(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  announcer_ = new Announcer(this);
  resize(640, 560);
  Recut();
}

TextImportWindow::~TextImportWindow() = default;

QString TextImportWindow::Language() const {
  return language_->currentData().toString();
}

ImportRequest TextImportWindow::Request() const {
  ImportRequest request;
  request.cut = static_cast<CutMode>(cut_->checkedId());
  request.language = language_->currentData().toString().toStdString();
  request.firstRowNames = names_->isChecked();
  return request;
}

void TextImportWindow::Recut() {
  ImportRequest request = Request();
  ImportJob::Work work;
  if (text_ != nullptr) {
    const QByteArray bytes = text_->toPlainText().toUtf8();
    work = [bytes, request](ImportProgress& progress) {
      return ImportText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        request, progress);
    };
  } else {
    work = [source = source_, path = path_, request](ImportProgress& progress) mutable {
      std::shared_ptr<const std::string> bytes;
      {
        QMutexLocker lock(&source->mutex);
        if (!source->read) {
          source->read = true;
          try {
            source->bytes = std::make_shared<const std::string>(ReadImportSource(path));
          } catch (const UserError& error) {
            source->error = error.what();
          }
        }
        bytes = source->bytes;
      }
      if (bytes == nullptr) {
        ImportedText failed;
        failed.problem = source->error;
        return failed;
      }
      request.kind = KindOfFile(path, *bytes);
      request.separator = SeparatorOfFile(path);
      return ImportText(*bytes, request, progress);
    };
  }
  haveResult_ = false;
  saveButton_->setEnabled(false);
  ticks_ = 0;
  job_->Start(std::move(work), [this](ImportedText result) { ShowResult(std::move(result)); });
  progressTick_->start();
}

void TextImportWindow::ShowRunning() {
  // The bar shows only for work that takes a while, not for each key.
  const bool running = job_->Running();
  ++ticks_;
  progress_->setVisible(running && ticks_ >= 3);
  stop_->setVisible(running && ticks_ >= 3);
  // A file being read shows a busy bar, its cutting how far it has come.
  const int permille = job_->Permille();
  progress_->setRange(0, permille < 0 ? 0 : 1000);
  progress_->setValue(std::max(permille, 0));
  if (!running) progressTick_->stop();
}

void TextImportWindow::ShowResult(ImportedText result) {
  ShowRunning();
  result_ = std::move(result);
  haveResult_ = result_.problem.empty();
  saveButton_->setEnabled(haveResult_);
  // A phrase list has its lines already: the cut is for text, and a CSV
  // or TSV list may have a row of column names instead.
  const bool text = result_.kind == SourceKind::Text;
  for (QWidget* cutting :
       {static_cast<QWidget*>(cut_->button(0)), static_cast<QWidget*>(cut_->button(1)),
        static_cast<QWidget*>(language_), static_cast<QWidget*>(languageLabel_)})
    cutting->setVisible(text);
  names_->setVisible(result_.kind == SourceKind::Delimited);

  preview_->clear();
  const RecordList& lines = result_.lines;
  const int count = PluralCount(static_cast<std::int64_t>(lines.Count()));
  QString said;
  if (!result_.problem.empty()) {
    said = QString::fromStdString(result_.problem);
    // An empty box is no problem yet.
    if (text_ != nullptr && text_->toPlainText().trimmed().isEmpty()) said.clear();
  } else {
    said = count > kPreviewLines
               ? Tr("Import", "%n sentence(s); the first %1 are shown.", nullptr, count)
                     .arg(kPreviewLines)
               : Tr("Import", "%n sentence(s)", nullptr, count);
  }
  count_->setText(said);
  QStringList notes;
  for (const std::string& note : result_.notes)
    notes << QString::fromStdString(note);
  notes_->setText(notes.join(QLatin1Char('\n')));
  notes_->setVisible(!notes.isEmpty());

  QList<QTreeWidgetItem*> items;
  bool prompts = false;
  const std::size_t shown = std::min<std::size_t>(lines.Count(), kPreviewLines);
  items.reserve(static_cast<qsizetype>(shown));
  for (std::size_t i = 0; i < shown; ++i) {
    const std::string_view line = lines.Get(i);
    const std::size_t tab = line.find('\t');
    auto* item = new QTreeWidgetItem;
    item->setText(0, Shown(line.substr(0, tab)));
    item->setToolTip(0, item->text(0));
    if (tab != std::string_view::npos) {
      item->setText(1, Shown(line.substr(tab + 1)));
      item->setToolTip(1, item->text(1));
      prompts = true;
    }
    items << item;
  }
  preview_->addTopLevelItems(items);
  preview_->setColumnHidden(1, !prompts);
  preview_->setAccessibleDescription(said);
  announcer_->Say(said);
}

void TextImportWindow::SaveLines() {
  if (!haveResult_ || result_.lines.Count() == 0) return;
  const auto written = save_(result_.lines, SuggestedFileName(result_.lines.Get(0)));
  if (!written) return;
  written_ = *written;
  accept();
}

void TextImportWindow::reject() {
  // A text typed here is nowhere else.
  if (text_ != nullptr && written_.empty() && !text_->toPlainText().trimmed().isEmpty() &&
      mayAsk() &&
      AskUser(this, MessageKind::Confirmation,
              Tr("Import", "The text has not been saved. Close the window all the same?")) !=
          Answer::Ok) {
    return;
  }
  job_->Cancel();
  QDialog::reject();
}

}  // namespace dru::ui
