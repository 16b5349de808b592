#pragma once

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTest>

#include <map>

// The pictures a drawing program makes, by file name, next to the files
// committed for a game.
class DrawnPictures
{
public:
    template <typename Drawings>
    DrawnPictures(const Drawings &drawings, const QString &assetsFolder) : folder_(assetsFolder)
    {
        for (const auto &drawing : drawings) {
            names_ << drawing.fileName;
            byName_[drawing.fileName] = drawing.image.convertToFormat(QImage::Format_ARGB32);
        }
        names_.sort();
    }

    QImage operator()(const QString &fileName) const { return byName_.at(fileName); }
    // The drawn and the committed pictures are exactly these.
    bool namesAre(QStringList expected) const
    {
        expected.sort();
        return names_ == expected && folder_.entryList({"*.png"}, QDir::Files, QDir::Name) == expected;
    }
    void addRowPerPicture() const
    {
        QTest::addColumn<QString>("fileName");
        for (const QString &fileName : names_)
            QTest::newRow(qPrintable(fileName)) << fileName;
    }

    // Why a drawing is not its committed file, of the given size, opaque in
    // the palette or transparent; empty if it is. Counts the transparent pixels.
    QString problem(const QString &fileName, int size, const QList<QRgb> &palette, int &transparent) const
    {
        const QImage image = (*this)(fileName);
        if (QImage(folder_.filePath(fileName)).convertToFormat(QImage::Format_ARGB32) != image)
            return "the committed file is not the drawing: redraw it";
        if (image.size() != QSize(size, size))
            return QString("the size is %1 x %2").arg(image.width()).arg(image.height());
        transparent = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                transparent += qAlpha(image.pixel(x, y)) == 0;
                if (qAlpha(image.pixel(x, y)) && !palette.contains(image.pixel(x, y)))
                    return QString("(%1,%2) is %3").arg(x).arg(y).arg(image.pixel(x, y), 8, 16);
            }
        }
        return {};
    }

private:
    QDir folder_;
    QStringList names_;
    std::map<QString, QImage> byName_;
};

// The standard 16 colours, with the given half intensity.
inline QList<QRgb> standardPalette(int half = 128)
{
    QList<QRgb> colours = {qRgb(192, 192, 192)};
    for (int level : {half, 255})
        for (int bits = 0; bits < 8; ++bits)
            colours << qRgb(bits & 4 ? level : 0, bits & 2 ? level : 0, bits & 1 ? level : 0);
    return colours;
}

inline int countPixels(const QImage &image, const QRect &area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}
