#pragma once

#include <memory>
#include <string>
#include <string_view>

class QImage;
class QPixmap;

namespace rt {

// What a screen reader says of a picture, texts that last as long as the
// program. An announced picture is said as soon as a control shows it,
// wherever the reader is. The other texts tell what a key's press did to the
// cells of a grid: "leaving", with their count, when it takes several cells
// away from the picture; "arriving" when it brings cells to it; "same" or
// "other" when it shows the picture beside another picture of its kind (one
// with a "same" text), the very same picture or another.
struct Spoken
{
    std::string_view name;
    bool announced = false;
    std::string_view leaving = {};
    std::string_view arriving = {};
    std::string_view same = {};
    std::string_view other = {};
};

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
    const Spoken &spoken() const;
    // The pixels as the window draws them.
    const QImage &image() const;
    const QPixmap &pixmap() const;

private:
    friend Picture LoadPicture(const std::string &resourcePath, Spoken spoken);
    struct Data;
    std::shared_ptr<const Data> data_;
};

// Creates a new picture object from a picture compiled into the program
// (a resource path such as ":/miny/flag.png"), with what a screen reader says
// of it. A missing picture is a run-time error.
Picture LoadPicture(const std::string &resourcePath, Spoken spoken = {});

} // namespace rt
