#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

namespace rt {

namespace sheet {
struct Entry;
}

// The pictures of one resource folder, decoded when the program was built
// into one sheet, "pictures.sheet" in that folder (see picturesheetformat.h).
class PictureSheet
{
public:
    // The sheet of a folder such as ":/miny"; a folder without one has an
    // empty sheet.
    static const PictureSheet &ofFolder(const QString &folder);

    // The number of the picture of that file name, or -1 if the sheet lacks it.
    int find(const QString &fileName) const;
    QSize size(int picture) const;
    // Made the first time it is asked for.
    const QImage &image(int picture) const;

private:
    explicit PictureSheet(const QString &folder);
    QImage decode(const sheet::Entry &entry) const;

    QByteArray data_;
    std::vector<std::uint32_t> colours_;
    std::vector<sheet::Entry> entries_;
    mutable std::vector<QImage> images_;
};

} // namespace rt
