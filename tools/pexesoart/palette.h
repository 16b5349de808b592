#pragma once

#include <QRgb>

// The sixteen colours every picture is drawn with.
namespace pexesoart::palette {

constexpr QRgb black = 0xff000000;
constexpr QRgb maroon = 0xff800000;
constexpr QRgb green = 0xff008000;
constexpr QRgb olive = 0xff808000;
constexpr QRgb navy = 0xff000080;
constexpr QRgb purple = 0xff800080;
constexpr QRgb teal = 0xff008080;
constexpr QRgb silver = 0xffc0c0c0;
constexpr QRgb grey = 0xff808080;
constexpr QRgb red = 0xffff0000;
constexpr QRgb lime = 0xff00ff00;
constexpr QRgb yellow = 0xffffff00;
constexpr QRgb blue = 0xff0000ff;
constexpr QRgb fuchsia = 0xffff00ff;
constexpr QRgb aqua = 0xff00ffff;
constexpr QRgb white = 0xffffffff;

constexpr QRgb transparent = 0x00000000;

// The application icon uses the dimmer shades in which 128 becomes 127.
constexpr QRgb halfIntensity(QRgb colour)
{
    auto dim = [](int channel) { return channel == 128 ? 127 : channel; };
    return qRgba(dim(qRed(colour)), dim(qGreen(colour)), dim(qBlue(colour)), qAlpha(colour));
}

} // namespace pexesoart::palette
