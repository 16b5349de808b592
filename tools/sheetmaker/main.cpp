// Decodes pictures at build time into one picture sheet:
//   sheetmaker OUTPUT PICTURE...
#include "picturesheetformat.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace {

// The format a picture takes when the display draws it: opaque pictures
// lose their alpha channel, the others are premultiplied.
QImage displayImage(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

class SheetWriter
{
public:
    bool add(const QString &path)
    {
        const QImage image = displayImage(QImage(path));
        const QByteArray name = QFileInfo(path).fileName().toUtf8();
        if (image.isNull() || name.size() >= rt::sheet::nameLength)
            return false;
        rt::sheet::Entry entry{};
        std::memcpy(entry.name, name.constData(), name.size());
        entry.width = image.width();
        entry.height = image.height();
        entry.format = image.format();
        entry.offset = runs_.size(); // from the start of the runs until written
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (!addPixel(line[x]))
                    return false;
        }
        endRun();
        entry.runBytes = runs_.size() - entry.offset;
        entries_.push_back(entry);
        return true;
    }

    bool write(const QString &path)
    {
        rt::sheet::Header header{};
        std::memcpy(header.magic, rt::sheet::magic, sizeof header.magic);
        header.colourCount = colours_.size();
        header.pictureCount = entries_.size();
        const std::uint32_t runsStart = sizeof header + colours_.size() * sizeof(std::uint32_t)
                                      + entries_.size() * sizeof(rt::sheet::Entry);
        for (rt::sheet::Entry &entry : entries_)
            entry.offset += runsStart;

        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return false;
        out.write(reinterpret_cast<const char *>(&header), sizeof header);
        out.write(reinterpret_cast<const char *>(colours_.data()), colours_.size() * sizeof(std::uint32_t));
        out.write(reinterpret_cast<const char *>(entries_.data()), entries_.size() * sizeof(rt::sheet::Entry));
        out.write(reinterpret_cast<const char *>(runs_.data()), runs_.size());
        return out.error() == QFileDevice::NoError;
    }

private:
    bool addPixel(std::uint32_t pixel)
    {
        auto found = index_.find(pixel);
        if (found == index_.end()) {
            if (colours_.size() == rt::sheet::maxColours)
                return false;
            found = index_.emplace(pixel, colours_.size()).first;
            colours_.push_back(pixel);
        }
        if (runLength_ > 0 && (found->second != runColour_ || runLength_ == rt::sheet::maxRun))
            endRun();
        runColour_ = found->second;
        ++runLength_;
        return true;
    }

    void endRun()
    {
        if (runLength_ == 0)
            return;
        runs_.push_back(static_cast<unsigned char>(runLength_));
        runs_.push_back(static_cast<unsigned char>(runColour_));
        runLength_ = 0;
    }

    std::vector<std::uint32_t> colours_;
    std::map<std::uint32_t, int> index_;
    std::vector<rt::sheet::Entry> entries_;
    std::vector<unsigned char> runs_;
    int runColour_ = 0;
    int runLength_ = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: sheetmaker OUTPUT PICTURE...\n");
        return 2;
    }
    SheetWriter sheet;
    for (int i = 2; i < argc; ++i) {
        if (!sheet.add(QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "sheetmaker: cannot take %s\n", argv[i]);
            return 1;
        }
    }
    if (!sheet.write(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "sheetmaker: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
