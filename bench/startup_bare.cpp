// A bare Qt Widgets window of a given client size, ending after its first
// paint: the yardstick for the games' start-up time and memory.
#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int width = argc > 2 ? atoi(argv[1]) : 300;
    const int height = argc > 2 ? atoi(argv[2]) : 331;
    QWidget window;
    window.setWindowTitle("Bare");
    window.setFixedSize(width, height);
    window.show();
    quitAfterFirstPaint(&window);
    return app.exec();
}
