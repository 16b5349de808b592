// A bare Qt Widgets window of a given client size, shown as the games show
// theirs: the yardstick for the games' start-up time and memory.
#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 300;
    const int height = argc > 2 ? std::atoi(argv[2]) : 331;
    QWidget window;
    window.setWindowTitle("Bare");
    window.setFixedSize(width, height);
    window.show();
    return app.exec();
}
