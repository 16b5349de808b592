#include "picturesheet.h"

#include "picturesheetformat.h"

#include <QResource>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace rt {

PictureSheet::PictureSheet(const QString &folder)
{
    const QResource resource(folder + QStringLiteral("/pictures.sheet"));
    if (!resource.isValid())
        return;
    // Stored uncompressed, the sheet is read where it lies.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        data_ = QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size());
    else
        data_ = resource.uncompressedData();

    sheet::Header header{};
    if (data_.size() < qsizetype(sizeof header))
        return;
    std::memcpy(&header, data_.constData(), sizeof header);
    const qsizetype coloursBytes = qsizetype(header.colourCount) * qsizetype(sizeof(std::uint32_t));
    const qsizetype entriesBytes = qsizetype(header.pictureCount) * qsizetype(sizeof(sheet::Entry));
    if (std::memcmp(header.magic, sheet::magic, sizeof header.magic) != 0
        || data_.size() < qsizetype(sizeof header) + coloursBytes + entriesBytes)
        return;
    colours_.resize(header.colourCount);
    std::memcpy(colours_.data(), data_.constData() + sizeof header, coloursBytes);
    entries_.resize(header.pictureCount);
    std::memcpy(entries_.data(), data_.constData() + sizeof header + coloursBytes, entriesBytes);
    images_.resize(header.pictureCount);
}

const PictureSheet &PictureSheet::ofFolder(const QString &folder)
{
    static std::map<QString, std::unique_ptr<PictureSheet>> sheets;
    std::unique_ptr<PictureSheet> &sheet = sheets[folder];
    if (!sheet)
        sheet.reset(new PictureSheet(folder));
    return *sheet;
}

int PictureSheet::find(const QString &fileName) const
{
    const QByteArray name = fileName.toUtf8();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (qstrncmp(entries_[i].name, name.constData(), sheet::nameLength) == 0)
            return int(i);
    return -1;
}

QSize PictureSheet::size(int picture) const
{
    return QSize(int(entries_[picture].width), int(entries_[picture].height));
}

const QImage &PictureSheet::image(int picture) const
{
    QImage &image = images_[picture];
    if (image.isNull())
        image = decode(entries_[picture]);
    return image;
}

QImage PictureSheet::decode(const sheet::Entry &entry) const
{
    QImage image(int(entry.width), int(entry.height), QImage::Format(entry.format));
    image.fill(0);
    auto *pixel = reinterpret_cast<std::uint32_t *>(image.bits());
    const std::uint32_t *const end = pixel + std::size_t(entry.width) * entry.height;
    if (qsizetype(entry.offset) + qsizetype(entry.runBytes) > data_.size())
        return image;
    const auto *run = reinterpret_cast<const unsigned char *>(data_.constData() + entry.offset);
    const unsigned char *const lastRun = run + (entry.runBytes & ~1u);
    for (; run != lastRun && pixel != end; run += 2) {
        const std::ptrdiff_t length = std::min<std::ptrdiff_t>(run[0], end - pixel);
        const std::uint32_t colour = run[1] < colours_.size() ? colours_[run[1]] : 0;
        pixel = std::fill_n(pixel, length, colour);
    }
    return image;
}

} // namespace rt
