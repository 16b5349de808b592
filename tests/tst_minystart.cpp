#include "minyfield.h"
#include "testsupport.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <set>

using miny::Form1;

namespace {

std::unique_ptr<Form1> loadedForm(std::uint32_t seed = 1)
{
    support::useSeed(seed);
    auto form = std::make_unique<Form1>();
    form->Load();
    return form;
}

std::set<support::Cell> mines(Form1 &form)
{
    std::set<support::Cell> cells;
    for (int n = 0; n < 400; ++n)
        if (form.content(n % 20, n / 20) == "mina")
            cells.insert({n % 20, n / 20});
    return cells;
}

} // namespace

class MinyStartTest : public QObject
{
    Q_OBJECT

private slots:
    // Places in twips, as the window lays them out.
    void layoutAndCells()
    {
        auto form = loadedForm();
        const std::vector<std::pair<const rt::Control *, QRectF>> places = {
            {&form->Image1(5), {2108, 45, 375, 375}}, {&form->Label1, {90, 180, 720, 195}},
            {&form->Shape1, {75, 165, 735, 210}},     {&form->Label2, {3675, 180, 735, 195}},
            {&form->Shape2, {3660, 165, 750, 210}},   {&form->Check1, {960, 150, 855, 255}},
            {&form->Image3(1), {0, 470, 225, 225}},   {&form->Image3(20), {4275, 470, 225, 225}},
            {&form->Image3(21), {0, 695, 225, 225}},  {&form->Image3(400), {4275, 4745, 225, 225}}};
        for (const auto &[c, place] : places)
            QCOMPARE(QRectF(c->Left(), c->Top(), c->Width(), c->Height()), place);
        QCOMPARE(QSizeF(form->Width(), form->Height()), QSizeF(4590, 5340));
        QCOMPARE(form->window()->size(), QSize(300, 331));
        QCOMPARE(form->window()->minimumSize(), form->window()->maximumSize());
        QCOMPARE(form->window()->windowTitle(), QString("Miny"));
        QVERIFY(!(form->window()->windowFlags() & Qt::WindowMaximizeButtonHint));

        // Cells are loaded row by row; the maps between cell and element agree.
        QCOMPARE(form->Image3.upperBound(), 400);
        for (int n = 1; n <= 400; ++n) {
            const int col = form->colofimage(n).value();
            const int row = form->rowofimage(n).value();
            QCOMPARE(n, row * 20 + col + 1);
            QCOMPARE(form->imageofcell(col, row).value(), n);
            QCOMPARE(QPointF(form->Image3(n).Left(), form->Image3(n).Top()), QPointF(col * 225, row * 225 + 470));
            QVERIFY(form->Image3(n).Visible() && form->cellshows(n, 8) && form->state(col, row) == -1);
        }
        std::set<long> pictures; // the picture sources: hidden and distinct
        for (int k = 0; k <= 14; ++k) {
            QVERIFY(!form->Image2(k).Visible() && (k > 4 || !form->Image1(k).Visible()));
            pictures.insert(form->Image2(k).picture().Handle());
        }
        QCOMPARE(pictures.size(), std::size_t(15));
        QVERIFY(!form->Image3(0).Visible());
        QCOMPARE(form->Label2.Caption(), std::string("0s"));
        QCOMPARE(form->Check1.Value(), 1);
        QCOMPARE(form->playing.value(), 0);
    }

    void deal_data()
    {
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("total");
        QTest::newRow("ticked") << 1 << 54;
        QTest::newRow("unticked") << 0 << 27;
    }

    // Every game has exactly its mines on distinct cells; over many games
    // every cell, corners included, gets one.
    void deal()
    {
        QFETCH(int, checked);
        QFETCH(int, total);
        auto form = loadedForm();
        form->Check1.setValue(checked);
        std::set<support::Cell> reached;
        for (int game = 0; game < 300; ++game) {
            form->novahra();
            const std::set<support::Cell> dealt = mines(*form);
            QCOMPARE(int(dealt.size()), total);
            QCOMPARE(form->minesleft.value(), total);
            reached.insert(dealt.begin(), dealt.end());
        }
        QCOMPARE(reached.size(), std::size_t(400));
    }

    // 1 mina, 2 to 4 miny, otherwise min; above 20 the last digit decides,
    // except that 20, 30, 40 and 50 take "min".
    void counterCaption_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("caption");
        for (int m = 0; m <= 54; ++m) {
            const int last = m > 20 ? m % 10 : m;
            const QString word = last == 1 ? "mina" : last >= 2 && last <= 4 ? "miny" : "min";
            QTest::addRow("%d", m) << m << QString("%1 %2").arg(m).arg(word);
        }
    }

    void counterCaption()
    {
        QFETCH(int, value);
        QFETCH(QString, caption);
        auto form = loadedForm();
        form->minesleft = value;
        form->showminesleft();
        QCOMPARE(QString::fromStdString(form->Label1.Caption()), caption);
    }

    void renderedWindow()
    {
        auto form = loadedForm();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form->window()));
        QVERIFY(form->Check1.widget()->hasFocus());
        const QImage shot = support::grab(form->window());
        const QImage covered = QImage(":/miny/covered.png").convertToFormat(QImage::Format_RGB32);
        for (int n = 1; n <= 400; ++n)
            QCOMPARE(shot.copy(form->Image3(n).pixelRect()), covered);
        QCOMPARE(shot.copy(form->Image1(5).pixelRect()),
                 QImage(":/miny/face_normal.png").convertToFormat(QImage::Format_RGB32));
        for (const rt::Label *label : {&form->Label1, &form->Label2}) { // light ink on green
            const QImage area = shot.copy(label->pixelRect());
            int ink = 0;
            for (int p = 0; p < area.width() * area.height(); ++p)
                ink += area.pixelColor(p % area.width(), p / area.width()).red() > 128;
            QVERIFY(area.pixelColor(0, 0) == QColor(0, 128, 0) && ink > 10);
        }
    }
};

QTEST_MAIN(MinyStartTest)
#include "tst_minystart.moc"
