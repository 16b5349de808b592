#pragma once

#include <memory>
#include <string>

class QImage;
class QPixmap;

namespace rt {

// A shared, immutable picture. Copying a Picture shares the picture object;
// two Pictures are the same picture exactly when their handles are equal.
class Picture
{
public:
    Picture();

    long Handle() const;
    bool isNull() const;
    int pixelWidth() const;
    int pixelHeight() const;
    // The pixels as the window draws them.
    const QImage &image() const;
    const QPixmap &pixmap() const;

private:
    friend Picture LoadPicture(const std::string &resourcePath);
    struct Data;
    std::shared_ptr<const Data> data_;
};

// Creates a new picture object from a picture compiled into the program
// (a resource path such as ":/miny/flag.png"). A missing picture is a
// run-time error.
Picture LoadPicture(const std::string &resourcePath);

} // namespace rt
