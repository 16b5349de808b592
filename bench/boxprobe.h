#pragma once

#include "toolkit.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdlib>

class QMessageBox;

// Times a message box from the event that opens it: until its window is
// mapped and exposed on screen, and until its first frame is painted. Then
// closes it with the Return key, as a player would, and notes what it showed.
class BoxProbe : public QObject
{
public:
    // A picture of the box is saved to picturePath, if one is given.
    explicit BoxProbe(const QString &picturePath = {});

    // The moment the opening event begins.
    void start();
    // Prints what the box showed and its times as "box_mapped_ms=N" and
    // "box_painted_ms=N"; false if no box appeared.
    bool report(const char *game, double openedAfterSeconds) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void shown(QMessageBox *box);

    long long startedAt_ = 0;
    long long mappedAt_ = 0;
    long long paintedAt_ = 0;
    QString picturePath_;
    QMessageBox *box_ = nullptr;
    QString text_;
    QString title_;
    int buttons_ = 0;
    bool modal_ = false;
    bool hasIcon_ = false;
};

// Builds a game's window as its program does and shows it; SECONDS after
// start-up (argv[1], 1 by default) openBox(form, probe) plays up to the event
// that opens the first box and, after probe.start(), delivers it. A picture
// of the box is saved to argv[2], if given. Returns 0 if the box appeared.
template <typename GameForm, typename OpenBox>
int timeFirstBox(const char *game, int argc, char *argv[], OpenBox openBox)
{
    rt::Application app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
    GameForm form;
    form.Load();
    form.Show();
    BoxProbe probe(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    QTimer::singleShot(int(seconds * 1000), [&] {
        openBox(form, probe);
        QCoreApplication::quit();
    });
    app.exec();
    return probe.report(game, seconds) ? 0 : 1;
}
