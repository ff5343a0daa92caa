// Prints how long the window takes to handle keys when the target is a
// huge record (a file with bare LF line ends is one record), and to open
// and sort the Progress window over a long history. Offscreen.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTableView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench/bench_history.h"
#include "history/history_store.h"
#include "tests/support/ssip_server.h"
#include "ui/platform/cue_player.h"
#include "ui/platform/translation.h"
#include "ui/window/main_window.h"

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void Press(QWidget* target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

void Measure(dru::ui::MainWindow& window, std::size_t megabytes) {
  const auto path = std::filesystem::temp_directory_path() / "dru-ui-bench.dat";
  {
    std::ofstream out(path, std::ios::binary);
    const std::string line = "one record of many words and no line end at all ";
    for (std::size_t written = 0; written < (megabytes << 20); written += line.size())
      out << line;
  }
  auto& drill = window.Controller().GetDrill();
  const auto start = std::chrono::steady_clock::now();
  window.Controller().GetCommands().SetCurrentFile(path.string());
  window.Controller().GetCommands().LoadFileToList();
  drill.ShowNextSentence();
  const double loadMs = Milliseconds(std::chrono::steady_clock::now() - start);

  auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoTPD"));
  auto* display = window.findChild<QWidget*>(QStringLiteral("StaticTextTXD"));
  // Keys typed as the sentence goes, Mark While Typing off and then on.
  const QString sentence = QString::fromStdString(drill.Target().substr(0, 200));
  auto typeKeys = [&](double& total, double& worst) {
    drill.ShowSentence(drill.Target());
    total = worst = 0;
    for (int i = 0; i < 200; ++i) {
      const QString key = i == 150 ? QStringLiteral("#") : sentence.mid(i, 1);  // one wrong
      const auto t0 = std::chrono::steady_clock::now();
      Press(memo, Qt::Key_A, key);
      display->repaint();  // the marks are drawn in the paint
      const double ms = Milliseconds(std::chrono::steady_clock::now() - t0);
      total += ms;
      worst = std::max(worst, ms);
    }
  };
  const int presses = 200;
  double total = 0;
  double worst = 0;
  typeKeys(total, worst);
  double markedTotal = 0;
  double markedWorst = 0;
  drill.SetOption(dru::Option::MarkWhileTyping, true);
  typeKeys(markedTotal, markedWorst);
  // Typed from memory, first letters, with the marks: the cue is drawn anew
  // at each key.
  double cueTotal = 0;
  double cueWorst = 0;
  drill.SetRecall(dru::RecallOption::FirstLettersOnly);
  typeKeys(cueTotal, cueWorst);
  drill.SetRecall(dru::RecallOption::ShowWholeSentence);
  drill.SetOption(dru::Option::MarkWhileTyping, false);
  // A wrong Enter, with Show Mistakes on and then off, side by side.
  const std::string target = drill.Target();
  auto timeEnter = [&](bool showMistakes) {
    drill.SetOption(dru::Option::ShowMistakes, showMistakes);
    drill.ShowSentence(target);
    for (int i = 0; i < 20; ++i)
      Press(memo, Qt::Key_A, QStringLiteral("a"));
    const auto t0 = std::chrono::steady_clock::now();
    Press(memo, Qt::Key_Return, QStringLiteral("\r"));
    return Milliseconds(std::chrono::steady_clock::now() - t0);
  };
  timeEnter(false);  // the first Enter pays for fresh memory: not counted
  const double enterShowing = timeEnter(true);
  const double enterPlain = timeEnter(false);
  std::printf(
      "%3zu MB record: load and show %.0f ms; key press %.3f ms on average, %.3f ms at "
      "worst (aim under 16), marking while typing %.3f ms on average, %.3f ms at worst "
      "(aim under 1); first letters only %.3f ms on average, %.3f ms at worst (aim under 1); "
      "wrong Enter %.1f ms showing mistakes, %.1f ms without\n",
      megabytes, loadMs, total / presses, worst, markedTotal / presses, markedWorst,
      cueTotal / presses, cueWorst, enterShowing, enterPlain);
  std::filesystem::remove(path);
}

constexpr char kData[] = "/tmp/dru-ui-bench-data";
constexpr char kProgressFile[] = "/tmp/dru-ui-bench-progress.dat";
constexpr int kSentences = 100000;
constexpr int kAnswers = 1000000;

void MakeHistory() {
  std::filesystem::remove_all(kData);
  dru::bench::MakeHistory(std::string(kData) + "/dru/history.sqlite3", kProgressFile, kSentences,
                          kAnswers);
}

void MeasureProgress(dru::ui::MainWindow& window) {
  window.Controller().GetCommands().SetCurrentFile(kProgressFile);
  window.Controller().GetCommands().LoadFileToList();
  const auto start = std::chrono::steady_clock::now();
  window.findChild<QAction*>(QStringLiteral("Progress1"))->trigger();
  const double open = Milliseconds(std::chrono::steady_clock::now() - start);
  auto* table = window.findChild<QTableView*>(QStringLiteral("ProgressTable"));
  const auto sortStart = std::chrono::steady_clock::now();
  table->sortByColumn(1, Qt::DescendingOrder);
  const double sort = Milliseconds(std::chrono::steady_clock::now() - sortStart);
  std::printf(
      "Progress window over %d answers of %d sentences: opens in %.0f ms (aim 300), "
      "sorts by Typed in %.0f ms (aim 100)\n",
      kAnswers, kSentences, open, sort);
  // With Recall on it also counts the learning steps of every answer.
  auto* progress = window.findChild<QWidget*>(QStringLiteral("ProgressWindow"));
  const auto reopen = [&] {
    progress->close();
    const auto t0 = std::chrono::steady_clock::now();
    window.findChild<QAction*>(QStringLiteral("Progress1"))->trigger();
    return Milliseconds(std::chrono::steady_clock::now() - t0);
  };
  const double again = reopen();
  window.Controller().GetCommands().SetRecall(dru::RecallOption::FadeAsYouLearn);
  const double withSteps = reopen();
  const double stepsAgain = reopen();  // only new answers are counted
  progress->close();
  window.Controller().GetCommands().SetRecall(dru::RecallOption::ShowWholeSentence);
  std::printf(
      "opened again: %.0f ms; with Fade as You Learn, its learning steps counted: %.0f ms, "
      "then %.0f ms once counted\n",
      again, withSteps, stepsAgain);

  // Picking the next sentence, at random and in review order, side by side.
  auto& drill = window.Controller().GetDrill();
  auto medianPick = [&] {
    std::vector<double> times;
    for (int i = 0; i < 101; ++i) {
      const auto t0 = std::chrono::steady_clock::now();
      drill.ShowNextSentence();
      times.push_back(Milliseconds(std::chrono::steady_clock::now() - t0));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  };
  const double randomPick = medianPick();
  const auto loadStart = std::chrono::steady_clock::now();
  window.Controller().GetCommands().ToggleReviewDue();
  const double load = Milliseconds(std::chrono::steady_clock::now() - loadStart);
  const double reviewPick = medianPick();
  window.Controller().GetCommands().ToggleReviewDue();
  std::printf(
      "picking among %d sentences with history: %.2f ms in review order (median; aim at most "
      "5), %.3f ms at random; switching review on reads the history in %.0f ms\n",
      kSentences, reviewPick, randomPick, load);
}

// Listen and Type against the test speech-dispatcher: from the Enter that
// answers a sentence to the next sentence handed to the service.
void MeasureSpeech() {
  dru::testing::SsipServer service("/tmp/dru-ui-bench-speechd.sock");
  qputenv("SPEECHD_ADDRESS", QByteArray::fromStdString(service.Address()));
  const std::string file = "/tmp/dru-ui-bench-speech.dat";
  {
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < 20; ++i)
      out << "Sentence number " << i << " is heard.\r\n";
  }
  dru::ui::MainWindow window;
  window.show();
  auto& commands = window.Controller().GetCommands();
  commands.SetCurrentFile(file);
  commands.LoadFileToList();
  auto& drill = window.Controller().GetDrill();
  drill.StartFile();
  commands.SetRecall(dru::RecallOption::ListenAndType);
  auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoTPD"));
  const auto heard = [&](std::size_t count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (service.Said().size() < count && std::chrono::steady_clock::now() < end)
      QApplication::processEvents(QEventLoop::AllEvents, 1);
    return service.Said().size() >= count;
  };
  heard(1);  // the first sentence, the service started
  std::vector<double> times;
  for (int i = 0; i < 21; ++i) {
    const std::size_t before = service.Said().size();
    memo->setPlainText(QStringLiteral("x"));
    const auto start = std::chrono::steady_clock::now();
    Press(memo, Qt::Key_Return, QStringLiteral("\r"));
    if (!heard(before + 1)) break;
    times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
  }
  std::sort(times.begin(), times.end());
  if (times.empty()) {
    std::printf("Listen and Type: the test speech service heard nothing\n");
  } else {
    std::printf(
        "Listen and Type: from Enter to the next sentence handed to the speech service %.1f ms "
        "(median of %zu; aim at most 50), worst %.1f ms\n",
        times[times.size() / 2], times.size(), times.back());
  }
  commands.SetRecall(dru::RecallOption::ShowWholeSentence);
  drill.Saved();
  std::filesystem::remove(file);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The history of the benchmark's answers goes nowhere that lasts.
  qputenv("XDG_DATA_HOME", kData);
  MakeHistory();
  dru::ui::CuePlayer::FilterAudioWarnings();
  QApplication application(argc, argv);
  dru::ui::MainWindow window;
  window.show();
  for (std::size_t megabytes : {1, 10, 50})
    Measure(window, megabytes);
  MeasureProgress(window);
  MeasureSpeech();
  // The same 10 MB in English and in German, side by side in new windows
  // made alike: in German every line the drill shows comes from the
  // translation.
  for (const char* language : {"en", "de"}) {
    qputenv("LANGUAGE", language);
    const dru::ui::Translations translations;
    dru::ui::MainWindow translated;
    translated.show();
    std::printf("In %s:\n", language);
    Measure(translated, 10);
  }
  std::filesystem::remove_all(kData);
  std::filesystem::remove(kProgressFile);
  return 0;
}
