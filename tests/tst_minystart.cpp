#include "miny/form1.h"
#include "testsupport.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <memory>
#include <set>

using miny::Form1;

class MinyStartTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> loadedForm(std::uint32_t seed = 1)
    {
        support::useSeed(seed);
        auto form = std::make_unique<Form1>();
        form->Load();
        return form;
    }

    static int mineCount(Form1 &form)
    {
        int mines = 0;
        for (int row = 0; row < 20; ++row)
            for (int col = 0; col < 20; ++col)
                mines += form.content(col, row) == "mina";
        return mines;
    }

private slots:
    void layout_data();
    void layout();
    void windowSize();
    void cellsAndMaps();
    void pictureSourcesHidden();
    void mineCountFollowsCheckBox_data();
    void mineCountFollowsCheckBox();
    void minesReachEveryEdge();
    void sameSeedSameField();
    void counterCaption_data();
    void counterCaption();
    void clockCaption();
    void pictureIdentity();
    void startingState();
    void renderedWindow();
};

void MinyStartTest::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::newRow("face button") << "Image1(5)" << 2108.f << 45.f << 375.f << 375.f;
    QTest::newRow("mine counter") << "Label1" << 90.f << 180.f << 720.f << 195.f;
    QTest::newRow("counter frame") << "Shape1" << 75.f << 165.f << 735.f << 210.f;
    QTest::newRow("clock") << "Label2" << 3675.f << 180.f << 735.f << 195.f;
    QTest::newRow("clock frame") << "Shape2" << 3660.f << 165.f << 750.f << 210.f;
    QTest::newRow("check box") << "Check1" << 960.f << 150.f << 855.f << 255.f;
    QTest::newRow("first cell") << "Image3(1)" << 0.f << 470.f << 225.f << 225.f;
    QTest::newRow("last cell of row 0") << "Image3(20)" << 4275.f << 470.f << 225.f << 225.f;
    QTest::newRow("first cell of row 1") << "Image3(21)" << 0.f << 695.f << 225.f << 225.f;
    QTest::newRow("last cell") << "Image3(400)" << 4275.f << 4745.f << 225.f << 225.f;
}

void MinyStartTest::layout()
{
    QFETCH(QString, control);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    auto form = loadedForm();
    const std::map<QString, rt::Control *> controls = {
        {"Image1(5)", &form->Image1(5)}, {"Label1", &form->Label1}, {"Shape1", &form->Shape1},
        {"Label2", &form->Label2},       {"Shape2", &form->Shape2}, {"Check1", &form->Check1},
        {"Image3(1)", &form->Image3(1)}, {"Image3(20)", &form->Image3(20)},
        {"Image3(21)", &form->Image3(21)}, {"Image3(400)", &form->Image3(400)},
    };
    const rt::Control *c = controls.at(control);
    QCOMPARE(c->Left(), left);
    QCOMPARE(c->Top(), top);
    QCOMPARE(c->Width(), width);
    QCOMPARE(c->Height(), height);
}

void MinyStartTest::windowSize()
{
    auto form = loadedForm();
    QCOMPARE(form->Width(), 4590.f);
    QCOMPARE(form->Height(), 5340.f);
    QCOMPARE(form->window()->size(), QSize(300, 331));
    QCOMPARE(form->window()->windowTitle(), QString("Miny"));
    QVERIFY(!(form->window()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->window()->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(form->window()->minimumSize(), form->window()->maximumSize());
    QVERIFY(!form->window()->windowIcon().isNull());
    // Pixels on screen: twips rounded to the nearest pixel.
    QCOMPARE(form->Image1(5).pixelRect(), QRect(141, 3, 25, 25));
    QCOMPARE(form->Image3(1).pixelRect(), QRect(0, 31, 15, 15));
    QCOMPARE(form->Image3(400).pixelRect(), QRect(285, 316, 15, 15));
}

void MinyStartTest::cellsAndMaps()
{
    auto form = loadedForm();
    QCOMPARE(form->Image3.upperBound(), 400);
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 20; ++col) {
            const int n = form->imageofcell(col, row).value();
            QCOMPARE(n, row * 20 + col + 1);
            QCOMPARE(form->colofimage(n).value(), col);
            QCOMPARE(form->rowofimage(n).value(), row);
            QVERIFY(form->Image3(n).Visible());
            QCOMPARE(form->Image3(n).Left(), col * 225.f);
            QCOMPARE(form->Image3(n).Top(), row * 225.f + 470);
            QVERIFY(form->cellshows(n, 8));
        }
    }
    for (int n = 1; n <= 400; ++n)
        QCOMPARE(form->imageofcell(form->colofimage(n), form->rowofimage(n)).value(), n);
    QCOMPARE(form->colofimage(0).value(), 0);
    QCOMPARE(form->rowofimage(0).value(), 0);
}

void MinyStartTest::pictureSourcesHidden()
{
    auto form = loadedForm();
    QVERIFY(!form->Image3(0).Visible());
    for (int k = 0; k <= 4; ++k)
        QVERIFY2(!form->Image1(k).Visible(), qPrintable(QString("Image1(%1)").arg(k)));
    for (int k = 0; k <= 14; ++k)
        QVERIFY2(!form->Image2(k).Visible(), qPrintable(QString("Image2(%1)").arg(k)));
    QVERIFY(form->Image1(5).Visible());
    QCOMPARE(form->Image3(0).picture().Handle(), form->Image2(8).picture().Handle());
}

void MinyStartTest::mineCountFollowsCheckBox_data()
{
    QTest::addColumn<int>("checked");
    QTest::addColumn<int>("mines");
    QTest::addColumn<QString>("caption");
    QTest::newRow("ticked") << 1 << 54 << "54 miny";
    QTest::newRow("unticked") << 0 << 27 << "27 min";
}

void MinyStartTest::mineCountFollowsCheckBox()
{
    QFETCH(int, checked);
    QFETCH(int, mines);
    QFETCH(QString, caption);
    auto form = loadedForm();
    form->Check1.setValue(checked);
    for (int game = 0; game < 50; ++game) {
        form->novahra();
        QCOMPARE(mineCount(*form), mines);
        QCOMPARE(form->minetotal.value(), mines);
        QCOMPARE(form->minesleft.value(), mines);
        QCOMPARE(QString::fromStdString(form->Label1.Caption()), caption);
    }
}

void MinyStartTest::minesReachEveryEdge()
{
    std::set<std::pair<int, int>> reached;
    auto form = loadedForm();
    for (int game = 0; game < 300; ++game) {
        form->novahra();
        for (int row = 0; row < 20; ++row)
            for (int col = 0; col < 20; ++col)
                if (form->content(col, row) == "mina")
                    reached.insert({col, row});
    }
    for (auto corner : {std::pair{0, 0}, {19, 0}, {0, 19}, {19, 19}})
        QVERIFY2(reached.count(corner), qPrintable(QString("corner %1,%2").arg(corner.first).arg(corner.second)));
    QCOMPARE(reached.size(), std::size_t(400));
}

void MinyStartTest::sameSeedSameField()
{
    auto first = loadedForm(12345);
    auto second = loadedForm(12345);
    auto other = loadedForm(54321);
    bool differs = false;
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 20; ++col) {
            QCOMPARE(first->content(col, row), second->content(col, row));
            differs |= first->content(col, row) != other->content(col, row);
        }
    }
    QVERIFY(differs);
}

// The Czech plural: 1 mina, 2 to 4 miny, otherwise min; above 20 the last
// digit decides, except that 20, 30, 40 and 50 take "min".
void MinyStartTest::counterCaption_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");
    const std::set<int> one = {1, 21, 31, 41, 51};
    const std::set<int> few = {2, 3, 4, 22, 23, 24, 32, 33, 34, 42, 43, 44, 52, 53, 54};
    for (int m = 0; m <= 54; ++m) {
        const QString word = one.count(m) ? "mina" : few.count(m) ? "miny" : "min";
        QTest::newRow(qPrintable(QString::number(m))) << m << QString("%1 %2").arg(m).arg(word);
    }
}

void MinyStartTest::counterCaption()
{
    QFETCH(int, value);
    QFETCH(QString, caption);
    auto form = loadedForm();
    form->minesleft = value;
    form->showminesleft();
    QCOMPARE(QString::fromStdString(form->Label1.Caption()), caption);
}

void MinyStartTest::clockCaption()
{
    auto form = loadedForm();
    QCOMPARE(form->Label2.Caption(), std::string("0s"));
    form->seconds = 125;
    form->showseconds();
    QCOMPARE(form->Label2.Caption(), std::string("125s"));
}

void MinyStartTest::pictureIdentity()
{
    auto form = loadedForm();
    std::set<long> handles;
    for (int k = 0; k <= 14; ++k)
        handles.insert(form->Image2(k).picture().Handle());
    QCOMPARE(handles.size(), std::size_t(15));
    QVERIFY(!handles.count(0));

    // Handed on from control to control, a picture stays the same picture.
    form->Image3(7).setPicture(form->Image2(10).picture());
    form->Image3(8).setPicture(form->Image3(7).picture());
    QVERIFY(form->cellshows(8, 10));
    QVERIFY(!form->cellshows(8, 11));
    QCOMPARE(form->Image3(8).picture().Handle(), form->Image2(10).picture().Handle());

    std::set<long> faces;
    for (int k = 0; k <= 4; ++k)
        faces.insert(form->Image1(k).picture().Handle());
    QCOMPARE(faces.size(), std::size_t(5));
    QCOMPARE(form->Image1(5).picture().Handle(), form->Image1(0).picture().Handle());
}

void MinyStartTest::startingState()
{
    auto form = loadedForm();
    QCOMPARE(form->lastcol.value(), 19);
    QCOMPARE(form->lastrow.value(), 19);
    QCOMPARE(form->playing.value(), 0);
    QCOMPARE(form->finished.value(), 0);
    QCOMPARE(form->seconds.value(), 0);
    QCOMPARE(form->Check1.Value(), 1);
    QCOMPARE(form->Timer1.Interval(), 1000);
    QVERIFY(form->Timer1.Enabled());
    for (int row = 0; row < 20; ++row)
        for (int col = 0; col < 20; ++col)
            QCOMPARE(form->state(col, row).value(), -1);
}

void MinyStartTest::renderedWindow()
{
    auto form = loadedForm();
    form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(form->window()));
    const QImage shot = support::grab(form->window());
    const QImage covered = QImage(":/miny/covered.png").convertToFormat(QImage::Format_RGB32);
    const QImage face = QImage(":/miny/face_normal.png").convertToFormat(QImage::Format_RGB32);

    for (int n = 1; n <= 400; ++n) {
        const QRect at = form->Image3(n).pixelRect();
        QCOMPARE(shot.copy(at), covered);
    }
    QCOMPARE(shot.copy(QRect(141, 3, 25, 25)), face);

    for (rt::Label *label : {&form->Label1, &form->Label2}) {
        const QImage area = shot.copy(label->pixelRect());
        int green = 0;
        int text = 0;
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                const QColor c = area.pixelColor(x, y);
                green += c == QColor(0, 128, 0);
                // Light yellow ink, or its blend with the green ground.
                text += c.red() > 128 && c.blue() < c.green();
            }
        }
        QVERIFY(green > area.width() * area.height() / 2);
        QVERIFY(text > 10);
    }
    QVERIFY(form->Check1.widget()->hasFocus());
}

QTEST_MAIN(MinyStartTest)
#include "tst_minystart.moc"
