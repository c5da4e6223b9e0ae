#include <QApplication>
#include <QLabel>
#include <QString>
#include <QWidget>

// The yardstick of the start-up benchmark: an empty Qt window of a given size ("630x624"), shown
// at once; with "--text", a window of that size holding one line of text, which is all it takes
// for a program to load the fonts.
int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QStringList size = QString(argc > 1 ? argv[1] : "630x605").split('x');
  const bool withText = argc > 2 && QString(argv[2]) == "--text";
  QWidget window;
  window.setWindowTitle(withText ? "Window With Text" : "Empty Window");
  window.setFixedSize(size.value(0).toInt(), size.value(1).toInt());
  if (withText) (new QLabel("Atomnote", &window))->move(20, 20);
  window.show();
  return QApplication::exec();
}
