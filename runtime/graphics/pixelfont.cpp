#include "pixelfont.h"

#include <QColor>
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

struct GlyphEntry
{
    char32_t character = 0;
    Glyph glyph;
};

constexpr std::size_t glyphCount = [] {
    std::size_t count = 0;
    for (const Sheet &sheet : sheets)
        count += sheet.characters.size();
    return count;
}();

// Every row of a sheet shares the layout of its top row, so one column
// range picks a glyph out of all twelve.
constexpr void readSheet(const Sheet &sheet, GlyphEntry *entry)
{
    const std::string_view top = sheet.rows.front();
    std::size_t left = 0;
    for (const char16_t character : sheet.characters) {
        const std::size_t right = std::min(top.find(' ', left), top.size());
        entry->character = character;
        entry->glyph.width = int(right - left);
        for (int y = 0; y < lineHeight; ++y) {
            for (std::size_t x = left; x < right; ++x) {
                if (sheet.rows[y][x] == '#')
                    entry->glyph.rows[y] |= std::uint16_t(1u << (x - left));
            }
        }
        ++entry;
        left = right + 1;
    }
}

// Read when the program is built, ordered by character for a binary search.
constexpr std::array<GlyphEntry, glyphCount> glyphTable = [] {
    std::array<GlyphEntry, glyphCount> table{};
    GlyphEntry *next = table.data();
    for (const Sheet &sheet : sheets) {
        readSheet(sheet, next);
        next += sheet.characters.size();
    }
    std::ranges::sort(table, {}, &GlyphEntry::character);
    return table;
}();

static_assert(std::ranges::adjacent_find(glyphTable, {}, &GlyphEntry::character) == glyphTable.end(),
              "a character is pictured only once");

const Glyph *findGlyph(char32_t character)
{
    const auto found = std::ranges::lower_bound(glyphTable, character, {}, &GlyphEntry::character);
    return found != glyphTable.end() && found->character == character ? &found->glyph : nullptr;
}

const Glyph &glyphFor(char32_t character)
{
    const Glyph *glyph = findGlyph(character);
    return glyph ? *glyph : missingGlyph;
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
    return findGlyph(c.unicode()) != nullptr;
}

} // namespace rt
