// The yardstick for start-up: a bare Qt window shown from main.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(368, 251);
  window.show();
  return QApplication::exec();
}
