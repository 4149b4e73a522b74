#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Pelmora2.0.0");
  window.setFixedSize(651, 551);
  window.show();
  return app.exec();
}
