#include "pixelfont.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPoint>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <string_view>

namespace rt {

namespace {

constexpr int lineHeight = 12;
constexpr int baseline = 10;
constexpr int glyphGap = 1;

// A sheet pictures a few glyphs side by side, separated by a space: its
// strings are the twelve pixel rows of the line, '#' inked and '.' blank.
// Capitals and ascenders start in row 3 (rows 0-2 hold the accents over
// capitals), the lower case in row 5, the baseline lies under row 9, and
// descenders take rows 10 and 11.
struct Sheet
{
    std::u16string_view characters;
    std::array<std::string_view, lineHeight> rows;
};

constexpr Sheet sheets[] = {
    {u"ABCDEFGHIJKLM", {
        "..... .... ..... ..... .... .... ..... ..... ... .... .... .... .....",
        "..... .... ..... ..... .... .... ..... ..... ... .... .... .... .....",
        "..... .... ..... ..... .... .... ..... ..... ... .... .... .... .....",
        "..#.. ###. .###. ####. #### #### .###. #...# ### ...# #..# #... #...#",
        ".#.#. #..# #...# #...# #... #... #...# #...# .#. ...# #..# #... ##.##",
        ".#.#. #..# #.... #...# #... #... #.... #...# .#. ...# #.#. #... #.#.#",
        "#...# ###. #.... #...# ###. ###. #..## ##### .#. ...# ##.. #... #.#.#",
        "##### #..# #.... #...# #... #... #...# #...# .#. ...# #.#. #... #...#",
        "#...# #..# #...# #...# #... #... #...# #...# .#. #..# #..# #... #...#",
        "#...# ###. .###. ####. #### #... .###. #...# ### .##. #..# #### #...#",
        "..... .... ..... ..... .... .... ..... ..... ... .... .... .... .....",
        "..... .... ..... ..... .... .... ..... ..... ... .... .... .... .....",
    }},
    {u"NOPQRSTUVWXYZ", {
        "..... ..... .... ..... .... .... ..... ..... ..... ..... ..... ..... .....",
        "..... ..... .... ..... .... .... ..... ..... ..... ..... ..... ..... .....",
        "..... ..... .... ..... .... .... ..... ..... ..... ..... ..... ..... .....",
        "#...# .###. ###. .###. ###. .### ##### #...# #...# #...# #...# #...# #####",
        "##..# #...# #..# #...# #..# #... ..#.. #...# #...# #...# #...# #...# ....#",
        "##..# #...# #..# #...# #..# #... ..#.. #...# #...# #...# .#.#. .#.#. ...#.",
        "#.#.# #...# ###. #...# ###. .##. ..#.. #...# .#.#. #.#.# ..#.. ..#.. ..#..",
        "#..## #...# #... #.#.# #.#. ...# ..#.. #...# .#.#. #.#.# .#.#. ..#.. .#...",
        "#..## #...# #... #..#. #..# ...# ..#.. #...# ..#.. #.#.# #...# ..#.. #....",
        "#...# .###. #... .##.# #..# ###. ..#.. .###. ..#.. .#.#. #...# ..#.. #####",
        "..... ..... .... ..... .... .... ..... ..... ..... ..... ..... ..... .....",
        "..... ..... .... ..... .... .... ..... ..... ..... ..... ..... ..... .....",
    }},
    {u"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", {
        "...#. .#.#. .#.#. ..#. #..# ..# .#.#. ...#. #..# #..# .#.#. ...#. ..#.. ...#. .#.#.",
        "..#.. ..#.. ..#.. .#.. .##. .#. ..#.. ..#.. .##. .##. ..#.. ..#.. .#.#. ..#.. ..#..",
        "..... ..... ..... .... .... ... ..... ..... .... .... ..... ..... ..#.. ..... .....",
        "..#.. .###. ####. #### #### ### #...# .###. ###. .### ##### #...# #...# #...# #####",
        ".#.#. #...# #...# #... #... .#. ##..# #...# #..# #... ..#.. #...# #...# #...# ....#",
        ".#.#. #.... #...# #... #... .#. ##..# #...# #..# #... ..#.. #...# #...# .#.#. ...#.",
        "#...# #.... #...# ###. ###. .#. #.#.# #...# ###. .##. ..#.. #...# #...# ..#.. ..#..",
        "##### #.... #...# #... #... .#. #..## #...# #.#. ...# ..#.. #...# #...# ..#.. .#...",
        "#...# #...# #...# #... #... .#. #..## #...# #..# ...# ..#.. #...# #...# ..#.. #....",
        "#...# .###. ####. #### #### ### #...# .###. #..# ###. ..#.. .###. .###. ..#.. #####",
        "..... ..... ..... .... .... ... ..... ..... .... .... ..... ..... ..... ..... .....",
        "..... ..... ..... .... .... ... ..... ..... .... .... ..... ..... ..... ..... .....",
    }},
    {u"abcdefghijklm", {
        ".... .... .... .... .... ... .... .... . .. .... . .....",
        ".... .... .... .... .... ... .... .... . .. .... . .....",
        ".... .... .... .... .... ... .... .... . .. .... . .....",
        ".... #... .... ...# .... .## .... #... # .# #... # .....",
        ".... #... .... ...# .... .#. .... #... . .. #... # .....",
        ".##. ###. .### .### .##. ### .### ###. # .# #..# # ##.#.",
        "...# #..# #... #..# #..# .#. #..# #..# # .# #.#. # #.#.#",
        ".### #..# #... #..# #### .#. #..# #..# # .# ##.. # #.#.#",
        "#..# #..# #... #..# #... .#. #..# #..# # .# #.#. # #.#.#",
        ".### ###. .### .### .### .#. .### #..# # .# #..# # #.#.#",
        ".... .... .... .... .... ... ...# .... . .# .... . .....",
        ".... .... .... .... .... ... ###. .... . #. .... . .....",
    }},
    {u"nopqrstuvwxyz", {
        ".... .... .... .... ... .... ... .... ..... ..... ..... .... ....",
        ".... .... .... .... ... .... ... .... ..... ..... ..... .... ....",
        ".... .... .... .... ... .... ... .... ..... ..... ..... .... ....",
        ".... .... .... .... ... .... .#. .... ..... ..... ..... .... ....",
        ".... .... .... .... ... .... .#. .... ..... ..... ..... .... ....",
        "###. .##. ###. .### #.# .### ### #..# #...# #...# #...# #..# ####",
        "#..# #..# #..# #..# ##. #... .#. #..# #...# #...# .#.#. #..# ..#.",
        "#..# #..# #..# #..# #.. .##. .#. #..# .#.#. #.#.# ..#.. #..# .#..",
        "#..# #..# #..# #..# #.. ...# .#. #..# .#.#. #.#.# .#.#. #..# #...",
        "#..# .##. ###. .### #.. ###. ..# .### ..#.. .#.#. #...# .### ####",
        ".... .... #... ...# ... .... ... .... ..... ..... ..... ...# ....",
        ".... .... #... ...# ... .... ... .... ..... ..... ..... ###. ....",
    }},
    {u"áčďéěíňóřšťúůýž", {
        ".... .... ...... .... .... .. .... .... ... .... ..... .... .... .... ....",
        ".... .... ...... .... .... .. .... .... ... .... ..... .... .##. .... ....",
        "..#. #..# ...... ..#. #..# .# #..# ..#. #.# #..# ..... ..#. #..# ..#. #..#",
        ".#.. .##. ...#.# .#.. .##. #. .##. .#.. .#. .##. .#..# .#.. .##. .#.. .##.",
        ".... .... ...#.# .... .... .. .... .... ... .... .#..# .... .... .... ....",
        ".##. .### .###.. .##. .##. .# ###. .##. #.# .### ###.. #..# #..# #..# ####",
        "...# #... #..#.. #..# #..# .# #..# #..# ##. #... .#... #..# #..# #..# ..#.",
        ".### #... #..#.. #### #### .# #..# #..# #.. .##. .#... #..# #..# #..# .#..",
        "#..# #... #..#.. #... #... .# #..# #..# #.. ...# .#... #..# #..# #..# #...",
        ".### .### .###.. .### .### .# #..# .##. #.. ###. ..#.. .### .### .### ####",
        ".... .... ...... .... .... .. .... .... ... .... ..... .... .... ...# ....",
        ".... .... ...... .... .... .. .... .... ... .... ..... .... .... ###. ....",
    }},
    {u"0123456789", {
        "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
        "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
        "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
        ".###. ..#.. .###. .###. ...#. ##### ..##. ##### .###. .###.",
        "#...# .##.. #...# #...# ..##. #.... .#... ....# #...# #...#",
        "#...# ..#.. ....# ....# .#.#. ####. #.... ...#. #...# #...#",
        "#...# ..#.. ...#. ..##. #..#. ....# ####. ...#. .###. .####",
        "#...# ..#.. ..#.. ....# ##### ....# #...# ..#.. #...# ....#",
        "#...# ..#.. .#... #...# ...#. #...# #...# ..#.. #...# ...#.",
        ".###. .###. ##### .###. ...#. .###. .###. ..#.. .###. .##..",
        "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
        "..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    }},
    {u" !\"#$%&'()*+,-./", {
        ".. . ... ..... ..... ..... ..... . .. .. ..... ..... .. ... . ...",
        ".. . ... ..... ..... ..... ..... . .. .. ..... ..... .. ... . ...",
        ".. . ... ..... ..#.. ..... ..... . .. .. ..... ..... .. ... . ...",
        ".. # #.# .#.#. .#### ##..# .#... # .# #. ..#.. ..... .. ... . ..#",
        ".. # #.# .#.#. #.#.. ##..# #.#.. # #. .# #.#.# ..... .. ... . ..#",
        ".. # ... ##### #.#.. ...#. #.#.. . #. .# .###. ..#.. .. ... . .#.",
        ".. # ... .#.#. .###. ..#.. .#... . #. .# #.#.# ..#.. .. ... . .#.",
        ".. # ... ##### ..#.# .#... #.#.# . #. .# ..#.. ##### .. ### . .#.",
        ".. . ... .#.#. ..#.# #..## #..#. . #. .# ..... ..#.. .. ... . #..",
        ".. # ... .#.#. ####. #..## .##.# . #. .# ..... ..#.. .# ... # #..",
        ".. . ... ..... ..#.. ..... ..... . .# #. ..... ..... #. ... . ...",
        ".. . ... ..... ..... ..... ..... . .. .. ..... ..... .. ... . ...",
    }},
    {u":;<=>?@[\\]^_`{|}~…", {
        ". .. ... .... ... .... ..... .. ... .. ..... ..... .. ... . ... ..... .....",
        ". .. ... .... ... .... ..... .. ... .. ..... ..... .. ... . ... ..... .....",
        ". .. ... .... ... .... ..... .. ... .. ..... ..... .. ... . ... ..... .....",
        ". .. ... .... ... .##. .###. ## #.. ## ..#.. ..... #. ..# # #.. ..... .....",
        ". .. ... .... ... #..# #...# #. #.. .# .#.#. ..... .# .#. # .#. ..... .....",
        ". .. ..# .... #.. ...# #.### #. .#. .# #...# ..... .. .#. # .#. ..... .....",
        "# .# .#. #### .#. ..#. #.#.# #. .#. .# ..... ..... .. #.. # ..# .##.# .....",
        ". .. #.. .... ..# .#.. #.### #. .#. .# ..... ..... .. .#. # .#. #..#. .....",
        ". .. .#. #### .#. .... #.... #. ..# .# ..... ..... .. .#. # .#. ..... .....",
        "# .# ..# .... #.. .#.. .###. #. ..# .# ..... ..... .. .#. # .#. ..... #.#.#",
        ". #. ... .... ... .... ..... ## ... ## ..... ..... .. ..# # #.. ..... .....",
        ". .. ... .... ... .... ..... .. ... .. ..... ##### .. ... # ... ..... .....",
    }},
};

constexpr int maxGlyphWidth = 16;

// The top row of a sheet lays out its glyphs: one run of pixels for each
// character, separated by single spaces.
constexpr bool isLayout(std::string_view top, std::size_t characterCount)
{
    int glyphWidth = 0;
    std::size_t glyphCount = 1;
    for (const char pixel : top) {
        glyphWidth = pixel == ' ' ? 0 : glyphWidth + 1;
        glyphCount += pixel == ' ';
        if (glyphWidth > maxGlyphWidth)
            return false;
    }
    return !top.empty() && top.front() != ' ' && top.back() != ' '
        && top.find("  ") == std::string_view::npos && glyphCount == characterCount;
}

constexpr bool followsLayout(std::string_view row, std::string_view top)
{
    if (row.size() != top.size())
        return false;
    for (std::size_t x = 0; x < row.size(); ++x) {
        const bool expected = top[x] == ' ' ? row[x] == ' ' : row[x] == '#' || row[x] == '.';
        if (!expected)
            return false;
    }
    return true;
}

constexpr bool isWellFormed(const Sheet &sheet)
{
    const std::string_view top = sheet.rows.front();
    return isLayout(top, sheet.characters.size())
        && std::ranges::all_of(sheet.rows, [top](std::string_view row) {
               return followsLayout(row, top);
           });
}

static_assert(std::ranges::all_of(sheets, isWellFormed),
              "every row of a sheet must picture the same glyphs, of the same widths");

struct Glyph
{
    int width = 0;
    std::array<std::uint16_t, lineHeight> rows{}; // bit x set: column x is inked
};

static_assert(maxGlyphWidth <= std::numeric_limits<std::uint16_t>::digits);

// What an unknown character draws: a hollow box of the x-height.
constexpr Glyph missingGlyph{4, {0, 0, 0, 0, 0, 0b1111, 0b1001, 0b1001, 0b1001, 0b1111, 0, 0}};

void readSheet(const Sheet &sheet, QHash<char32_t, Glyph> &glyphs)
{
    std::array<std::string_view, lineHeight> rest = sheet.rows;
    for (const char16_t character : sheet.characters) {
        Glyph glyph;
        for (int y = 0; y < lineHeight; ++y) {
            const std::string_view picture = rest[y].substr(0, rest[y].find(' '));
            glyph.width = int(picture.size());
            for (int x = 0; x < glyph.width; ++x) {
                if (picture[x] == '#')
                    glyph.rows[y] |= 1u << x;
            }
            rest[y].remove_prefix(std::min(picture.size() + 1, rest[y].size()));
        }
        glyphs.insert(character, glyph);
    }
}

const QHash<char32_t, Glyph> &glyphTable()
{
    static const QHash<char32_t, Glyph> glyphs = [] {
        QHash<char32_t, Glyph> table;
        for (const Sheet &sheet : sheets)
            readSheet(sheet, table);
        return table;
    }();
    return glyphs;
}

const Glyph &glyphFor(char32_t character)
{
    const QHash<char32_t, Glyph> &glyphs = glyphTable();
    const auto found = glyphs.constFind(character);
    return found == glyphs.cend() ? missingGlyph : *found;
}

// Text may spell an accented letter as a base letter and a combining mark;
// the font pictures only the composed letter.
QList<uint> codePoints(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C).toUcs4();
}

void drawRow(QPainter &painter, int left, int y, unsigned bits, const QColor &color)
{
    int x = 0;
    while (bits >> x) {
        x += std::countr_zero(bits >> x);
        const int run = std::countr_one(bits >> x);
        painter.fillRect(left + x, y, run, 1, color);
        x += run;
    }
}

void drawGlyph(QPainter &painter, const QPoint &topLeft, const Glyph &glyph, const QColor &color)
{
    for (int y = 0; y < lineHeight; ++y)
        drawRow(painter, topLeft.x(), topLeft.y() + y, glyph.rows[y], color);
}

} // namespace

const PixelFont &PixelFont::standard()
{
    static const PixelFont font;
    return font;
}

int PixelFont::height() const
{
    return lineHeight;
}

int PixelFont::ascent() const
{
    return baseline;
}

int PixelFont::textWidth(const QString &text) const
{
    int width = 0;
    for (const uint character : codePoints(text))
        width += glyphFor(character).width + glyphGap;
    return std::max(0, width - glyphGap);
}

void PixelFont::draw(QPainter &painter, const QPoint &topLeft, const QString &text,
                     const QColor &color) const
{
    // Under a fractional scale, smoothing would blur the pixel edges.
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPoint position = topLeft;
    for (const uint character : codePoints(text)) {
        const Glyph &glyph = glyphFor(character);
        drawGlyph(painter, position, glyph, color);
        position.rx() += glyph.width + glyphGap;
    }
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

bool PixelFont::hasGlyph(QChar c) const
{
    return glyphTable().contains(c.unicode());
}

} // namespace rt
