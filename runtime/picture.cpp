#include "picture.h"

#include "runtimeerror.h"

#include <QPixmap>

#include <atomic>

namespace rt {

struct Picture::Data
{
    long handle;
    QPixmap pixmap;
};

namespace {

long nextHandle()
{
    static std::atomic<long> counter{0};
    return ++counter;
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
int Picture::pixelWidth() const { return data_ ? data_->pixmap.width() : 0; }
int Picture::pixelHeight() const { return data_ ? data_->pixmap.height() : 0; }
const QPixmap &Picture::pixmap() const { return data_ ? data_->pixmap : nullPixmap(); }

Picture LoadPicture(const std::string &resourcePath)
{
    QPixmap pixmap(QString::fromStdString(resourcePath));
    if (pixmap.isNull())
        raiseRuntimeError(53, "Soubor nenalezen: " + resourcePath);
    Picture picture;
    picture.data_ = std::make_shared<const Picture::Data>(Picture::Data{nextHandle(), pixmap});
    return picture;
}

} // namespace rt
