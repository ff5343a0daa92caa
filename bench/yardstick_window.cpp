// The yardstick for dru's start-up: a window with the same widgets as
// dru's, in the same places, and no logic behind them: the menu bar and
// its menus, the sentence label, the edit box, the group with its labels
// and bars, and the status bar.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  QMenuBar* menus = window.menuBar();
  const char* const items[][8] = {
      {"&File", "&Open...", "&Save", "Save &As...", "&Close", "E&xit", nullptr},
      {"&Edit", "&Undo", "&Clear All Marks", "&Mark Ready", "Previous Sentence", nullptr},
      {"&Options", "&Sound Effect", "&Case Sensitive", "Show &Mistakes", "&Review Due Sentences",
       "Mark &While Typing", "&Progress...", nullptr},
      {"&Help", "&About...", nullptr}};
  for (const auto& menu : items) {
    QMenu* added = menus->addMenu(QString::fromUtf8(menu[0]));
    for (int i = 1; menu[i] != nullptr; ++i)
      added->addAction(QString::fromUtf8(menu[i]))->setCheckable(menu[0][1] == 'O');
  }
  auto* area = new QWidget(&window);
  window.setCentralWidget(area);
  auto* sentence = new QLabel(QStringLiteral("The quick brown fox jumps over the lazy dog."), area);
  sentence->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  sentence->setWordWrap(true);
  sentence->setGeometry(8, 8, 350, 42);
  auto* typed = new QPlainTextEdit(area);
  typed->setGeometry(9, 57, 348, 40);
  auto* statistics = new QGroupBox(QStringLiteral("Statistics"), area);
  statistics->setGeometry(8, 101, 350, 100);
  const char* const labels[] = {"Max Speed: ", "Current Speed:", "000",
                                "000",         "Keys/min",       "Keys/min"};
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(QString::fromUtf8(labels[i]), statistics);
    label->setGeometry(i < 2 ? 8 : (i < 4 ? 259 : 287), 21 + (i % 2) * 16, i < 2 ? 89 : 40, 13);
  }
  for (int i = 0; i < 2; ++i) {
    auto* bar = new QProgressBar(statistics);
    bar->setRange(0, 600);
    bar->setTextVisible(false);
    bar->setGeometry(112, 24 + i * 16, 140, 10);
  }
  new QLabel(QStringLiteral("There are 30 records in the file, 0 marked ready ..."), statistics);
  new QLabel(QStringLiteral("Time  00 : 00 : 00  have been elapsed ..."), statistics);
  window.setStatusBar(new QStatusBar(&window));
  window.setFixedSize(368, 232 + menus->sizeHint().height() + 19);
  window.show();
  return QApplication::exec();
}
