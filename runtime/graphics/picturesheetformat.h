#pragma once

#include <cstdint>

namespace rt::sheet {

// A picture sheet holds every picture of one folder, decoded when the program
// was built and stored as runs of pixels of one colour, so that a program
// neither decodes a file per picture nor holds the pixels of pictures it has
// not shown yet. The sheet is a header, the colours (pixel values in the
// format the display uses for the picture: opaque, or premultiplied alpha),
// one entry per picture and then each picture's runs: a pair of bytes per
// run, its length (1 to 255 pixels) and its colour's index, row after row.
// Written and read on the same machine: the numbers are in its byte order.

inline constexpr char magic[4] = {'R', 'T', 'P', 'S'};
inline constexpr int nameLength = 48;
inline constexpr int maxColours = 256;
inline constexpr int maxRun = 255;

struct Header
{
    char magic[4];
    std::uint32_t colourCount;
    std::uint32_t pictureCount;
};

struct Entry
{
    char name[nameLength]; // the picture's file name, zero-terminated
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t format; // a QImage::Format
    std::uint32_t offset; // of the first run, from the start of the sheet
    std::uint32_t runBytes;
};

} // namespace rt::sheet
