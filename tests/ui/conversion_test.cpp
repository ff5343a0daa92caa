// The Windows-1252 codec and the translation of Qt key events.
#include <QTest>

#include "ui/drill/key_translation.h"
#include "ui/platform/cp1252_codec.h"

using dru::ui::FromQString;
using dru::ui::ToQString;
using dru::ui::TranslateKey;

class ConversionTest : public QObject {
  Q_OBJECT

 private slots:
  void everyByteSurvivesARoundTrip() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
      all += static_cast<char>(byte);
    const QString text = ToQString(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(FromQString(text), all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));  // euro sign
    QCOMPARE(text.at(0x9F), QChar(0x0178));  // Y with diaeresis
    QCOMPARE(text.at(0xE9), QChar(0x00E9));
  }

  void charactersOutsideTheSetBecomeQuestionMarks() {
    QCOMPARE(FromQString(QStringLiteral("a\u0416b")), std::string("a?b"));
    QCOMPARE(FromQString(QString::fromUtf8("\xF0\x9F\x98\x80!")), std::string("?!"));
    QCOMPARE(FromQString(QStringLiteral("\u2014\u20AC")), std::string("\x97\x80"));
  }

  void keyDownCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("down");
    QTest::newRow("ctrl") << int(Qt::Key_Control) << 17;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 33;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 34;
    QTest::newRow("end") << int(Qt::Key_End) << 35;
    QTest::newRow("home") << int(Qt::Key_Home) << 36;
    QTest::newRow("left") << int(Qt::Key_Left) << 37;
    QTest::newRow("up") << int(Qt::Key_Up) << 38;
    QTest::newRow("right") << int(Qt::Key_Right) << 39;
    QTest::newRow("down") << int(Qt::Key_Down) << 40;
    QTest::newRow("insert") << int(Qt::Key_Insert) << 45;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 46;
    QTest::newRow("a") << int(Qt::Key_A) << 65;
    QTest::newRow("z") << int(Qt::Key_Z) << 90;
    QTest::newRow("7") << int(Qt::Key_7) << 55;
    QTest::newRow("enter") << int(Qt::Key_Return) << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << 13;
    QTest::newRow("f12") << int(Qt::Key_F12) << 123;
    QTest::newRow("shift") << int(Qt::Key_Shift) << 16;
  }

  void keyDownCodes() {
    QFETCH(int, key);
    QFETCH(int, down);
    for (auto modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
      const auto translated = TranslateKey(key, modifiers, QString());
      QVERIFY(translated.down.has_value());
      QCOMPARE(int(*translated.down), down);
    }
  }

  void typedCharacters_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("press");  // -1: no character
    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("a") << int(Qt::Key_A) << 0 << "a" << int('a');
    QTest::newRow("shift a") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << int('A');
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << 0 << "\u00e9" << 0xE9;
    QTest::newRow("euro") << int(Qt::Key_unknown) << 0 << "\u20ac" << 0x80;
    QTest::newRow("cyrillic") << int(Qt::Key_unknown) << 0 << "\u0416" << int('?');
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << " " << 32;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
    QTest::newRow("shift enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
    QTest::newRow("esc") << int(Qt::Key_Escape) << 0 << "\x1b" << 27;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
    QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "\t" << 9;
    // Qt Test and X11 differ in the text of Ctrl combinations; it is not read.
    QTest::newRow("ctrl a") << int(Qt::Key_A) << ctrl << "a" << 1;
    QTest::newRow("ctrl z x11") << int(Qt::Key_Z) << ctrl << "\x1a" << 26;
    QTest::newRow("ctrl shift v") << int(Qt::Key_V) << (ctrl | int(Qt::ShiftModifier)) << "V" << 22;
    QTest::newRow("ctrl enter") << int(Qt::Key_Return) << ctrl << "\r" << 10;
    QTest::newRow("ctrl backspace") << int(Qt::Key_Backspace) << ctrl << "" << 127;
    QTest::newRow("ctrl 1") << int(Qt::Key_1) << ctrl << "1" << -1;
    QTest::newRow("ctrl alone") << int(Qt::Key_Control) << ctrl << "" << -1;
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << "" << -1;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
    QTest::newRow("f4") << int(Qt::Key_F4) << 0 << "" << -1;
    QTest::newRow("alt f") << int(Qt::Key_F) << int(Qt::AltModifier) << "f" << -1;
  }

  void typedCharacters() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, press);
    const auto translated = TranslateKey(key, Qt::KeyboardModifiers(modifiers), text);
    if (press < 0) {
      QVERIFY(!translated.press.has_value());
    } else {
      QVERIFY(translated.press.has_value());
      QCOMPARE(int(*translated.press), press);
    }
  }
};

QTEST_GUILESS_MAIN(ConversionTest)
#include "conversion_test.moc"
