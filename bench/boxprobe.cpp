#include "boxprobe.h"
#include "monotonicclock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>

BoxProbe::BoxProbe(const QString &picturePath) : picturePath_(picturePath)
{
    qApp->installEventFilter(this);
}

void BoxProbe::start()
{
    startedAt_ = monotonicNanoseconds();
}

bool BoxProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && !box_)
        if (auto *box = qobject_cast<QMessageBox *>(watched))
            shown(box);
    if (box_ && !mappedAt_ && event->type() == QEvent::Expose && watched == box_->windowHandle()
        && box_->windowHandle()->isExposed())
        mappedAt_ = monotonicNanoseconds();
    if (box_ && !paintedAt_ && event->type() == QEvent::Paint && watched == box_) {
        // Once this paint and its flush are done, the player dismisses the box.
        QTimer::singleShot(0, box_, [this] {
            paintedAt_ = monotonicNanoseconds();
            if (!picturePath_.isEmpty())
                box_->grab().save(picturePath_);
            QTest::keyClick(box_, Qt::Key_Return);
        });
    }
    return QObject::eventFilter(watched, event);
}

void BoxProbe::shown(QMessageBox *box)
{
    box_ = box;
    text_ = box->text();
    title_ = box->windowTitle();
    buttons_ = int(box->buttons().size());
    modal_ = box->isModal();
    hasIcon_ = box->icon() != QMessageBox::NoIcon;
}

bool BoxProbe::report(const char *game, double openedAfterSeconds) const
{
    if (!box_ || !mappedAt_ || !paintedAt_) {
        std::printf("%s: no message box appeared\n", game);
        return false;
    }
    std::printf("%s: \"%s\" titled \"%s\", %s, %d button, %s, opened %.1f s after start-up\n", game,
                qPrintable(text_), qPrintable(title_), modal_ ? "modal" : "NOT MODAL", buttons_,
                hasIcon_ ? "an icon" : "no icon", openedAfterSeconds);
    std::printf("box_mapped_ms=%.2f\nbox_painted_ms=%.2f\n", double(mappedAt_ - startedAt_) / 1e6,
                double(paintedAt_ - startedAt_) / 1e6);
    return true;
}
