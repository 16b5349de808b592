#include "picture.h"

#include "picturesheet.h"
#include "runtimeerror.h"

#include <QImage>
#include <QPixmap>

#include <atomic>

namespace rt {

struct Picture::Data
{
    long handle = 0;
    QSize size;
    Spoken spoken;
    // A picture from a picture sheet takes its pixels from there; any other
    // holds its own.
    const PictureSheet *sheet = nullptr;
    int index = -1;
    QImage image;
    // Made only when asked for: the window draws the image.
    mutable QPixmap pixmap;
};

namespace {

long nextHandle()
{
    static std::atomic<long> counter{0};
    return ++counter;
}

const Spoken &unspoken()
{
    static const Spoken nothing;
    return nothing;
}

const QImage &nullImage()
{
    static const QImage empty;
    return empty;
}

const QPixmap &nullPixmap()
{
    static const QPixmap empty;
    return empty;
}

} // namespace

Picture::Picture() = default;

long Picture::Handle() const { return data_ ? data_->handle : 0; }
bool Picture::isNull() const { return !data_; }
int Picture::pixelWidth() const { return data_ ? data_->size.width() : 0; }
int Picture::pixelHeight() const { return data_ ? data_->size.height() : 0; }

const Spoken &Picture::spoken() const
{
    return data_ ? data_->spoken : unspoken();
}

const QImage &Picture::image() const
{
    if (!data_)
        return nullImage();
    return data_->sheet ? data_->sheet->image(data_->index) : data_->image;
}

const QPixmap &Picture::pixmap() const
{
    if (!data_)
        return nullPixmap();
    if (data_->pixmap.isNull())
        data_->pixmap = QPixmap::fromImage(image());
    return data_->pixmap;
}

// A picture compiled into the program comes from its folder's picture sheet,
// already decoded; any other is decoded from its file.
Picture LoadPicture(const std::string &resourcePath, Spoken spoken)
{
    const QString path = QString::fromStdString(resourcePath);
    Picture::Data data;
    data.handle = nextHandle();
    data.spoken = spoken;
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash > 0) {
        const PictureSheet &sheet = PictureSheet::ofFolder(path.left(slash));
        data.index = sheet.find(path.mid(slash + 1));
        if (data.index >= 0) {
            data.sheet = &sheet;
            data.size = sheet.size(data.index);
        }
    }
    if (!data.sheet) {
        data.image = QPixmap(path).toImage();
        if (data.image.isNull())
            raiseRuntimeError(53, "Soubor nenalezen: " + resourcePath);
        data.size = data.image.size();
    }
    Picture picture;
    picture.data_ = std::make_shared<const Picture::Data>(std::move(data));
    return picture;
}

} // namespace rt
