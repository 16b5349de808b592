#include "miny/form1.h"
#include "minyfield.h"
#include "testsupport.h"
#include "toolkit.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <map>

namespace {

// Records the areas the window repaints.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *window) : window_(window) { window->installEventFilter(this); }
    ~PaintCounter() override { window_->removeEventFilter(this); }
    std::vector<QRegion> paints;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            paints.push_back(static_cast<QPaintEvent *>(event)->region());
        return false;
    }

private:
    QWidget *window_;
};

void settle()
{
    QTest::qWait(30);
}

// Each picture pixel must be a solid factor x factor block on the screen.
bool scaledExactly(const QImage &shot, const QRect &logical, const QImage &picture, int factor)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < logical.height() * factor; ++y)
        for (int x = 0; x < logical.width() * factor; ++x)
            if (shot.pixel(logical.x() * factor + x, logical.y() * factor + y)
                != source.pixel(x / factor, y / factor))
                return false;
    return true;
}

int expectedFactor()
{
    return qEnvironmentVariableIntValue("EXPECTED_SCALE") ?: 1;
}

} // namespace

class RenderingTest : public QObject
{
    Q_OBJECT

private slots:
    void clockTickRepaintsOnlyTheClock();
    void standingClockRepaintsNothing();
    void minyPicturesStaySharp();
};

void RenderingTest::clockTickRepaintsOnlyTheClock()
{
    auto form = support::seededMineGame(4);
    QVERIFY(support::showAndWait(form->window()));
    support::press(*form, {0, 0}, 4);
    settle();
    PaintCounter counter(form->window());
    form->Timer1_Timer();
    settle();
    QCOMPARE(form->Label2.Caption(), std::string("1s"));
    QCOMPARE(counter.paints.size(), std::size_t(1));
    QCOMPARE(counter.paints[0], QRegion(form->Label2.pixelRect()));
}

void RenderingTest::standingClockRepaintsNothing()
{
    auto form = support::seededMineGame(4);
    QVERIFY(support::showAndWait(form->window()));
    settle();
    PaintCounter counter(form->window());
    for (int tick = 0; tick < 3; ++tick)
        form->Timer1_Timer();
    settle();
    QCOMPARE(counter.paints.size(), std::size_t(0));
}

void RenderingTest::minyPicturesStaySharp()
{
    const int factor = expectedFactor();
    auto form = support::seededMineGame(4);
    QVERIFY(support::showAndWait(form->window()));
    QCOMPARE(form->window()->devicePixelRatio(), qreal(factor));
    const QImage shot = form->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(300, 331) * factor);
    const QImage covered(":/miny/covered.png");
    for (int n : {1, 20, 210, 400})
        QVERIFY2(scaledExactly(shot, form->Image3(n).pixelRect(), covered, factor),
                 qPrintable(QString("cell %1").arg(n)));
    QVERIFY(scaledExactly(shot, form->Image1(5).pixelRect(), QImage(":/miny/face_normal.png"), factor));
    // The frame around the counter is a hard line, as thick as one scaled pixel.
    const QRect frame = form->Shape1.pixelRect();
    for (int d = 0; d < factor; ++d)
        QCOMPARE(QColor(shot.pixel(frame.x() * factor + 10, frame.y() * factor + d)), QColor(128, 128, 0));
}

int main(int argc, char *argv[])
{
    rt::roundDisplayScale(); // as the programs do
    QApplication app(argc, argv);
    RenderingTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_rendering.moc"
