// Start-up of the workbench.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orv Tessaro"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Orv Tessaro"));
  window.resize(1024, 700);
  window.show();
  return QApplication::exec();
}
