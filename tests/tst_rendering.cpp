#include "minyfield.h"
#include "testsupport.h"
#include "toolkit.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace {

// Whether each picture pixel is a solid factor x factor block on the screen.
bool scaledExactly(const QImage &shot, const QRect &logical, const QImage &picture, int factor)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < logical.height() * factor; ++y)
        for (int x = 0; x < logical.width() * factor; ++x)
            if (shot.pixel(logical.x() * factor + x, logical.y() * factor + y) != source.pixel(x / factor, y / factor))
                return false;
    return true;
}

} // namespace

// Runs at 1x, 2x, 3x and on a 150 % screen, which rounds to 2x.
class RenderingTest : public QObject
{
    Q_OBJECT

private slots:
    // Each picture pixel is a solid block; a frame line is one scaled pixel thick.
    void minyPicturesStaySharp()
    {
        const int factor = qEnvironmentVariableIntValue("EXPECTED_SCALE") ?: 1;
        auto form = support::seededMineGame(4);
        QVERIFY(support::showAndWait(form->window()));
        QCOMPARE(form->window()->devicePixelRatio(), qreal(factor));
        const QImage shot = support::grab(form->window());
        QCOMPARE(shot.size(), QSize(300, 331) * factor);
        const QImage covered(":/miny/covered.png");
        for (int n : {1, 20, 210, 400})
            QVERIFY2(scaledExactly(shot, form->Image3(n).pixelRect(), covered, factor), qPrintable(QString::number(n)));
        QVERIFY(scaledExactly(shot, form->Image1(5).pixelRect(), QImage(":/miny/face_normal.png"), factor));
        const QRect frame = form->Shape1.pixelRect();
        for (int d = 0; d < factor; ++d)
            QCOMPARE(QColor(shot.pixel(frame.x() * factor + 10, frame.y() * factor + d)), QColor(128, 128, 0));
    }
};

int main(int argc, char *argv[])
{
    rt::roundDisplayScale(); // as the programs do
    QApplication app(argc, argv);
    RenderingTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_rendering.moc"
