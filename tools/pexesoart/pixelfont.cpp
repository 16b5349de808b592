#include "pixelfont.h"

#include <map>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace pexesoart {

namespace {

using Glyph = std::vector<std::string_view>;

const std::map<char, Glyph> &smallGlyphs()
{
    static const std::map<char, Glyph> glyphs = {
        {'0', {"###", "#.#", "#.#", "#.#", "###"}},
        {'1', {".#.", "##.", ".#.", ".#.", "###"}},
        {'2', {"###", "..#", "###", "#..", "###"}},
        {'3', {"###", "..#", ".##", "..#", "###"}},
        {'4', {"#.#", "#.#", "###", "..#", "..#"}},
        {'5', {"###", "#..", "###", "..#", "###"}},
        {'6', {"###", "#..", "###", "#.#", "###"}},
        {'7', {"###", "..#", "..#", ".#.", ".#."}},
        {'8', {"###", "#.#", "###", "#.#", "###"}},
        {'9', {"###", "#.#", "###", "..#", "###"}},
        {'E', {"###", "#..", "##.", "#..", "###"}},
        {'I', {"#", "#", "#", "#", "#"}},
        {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
        {'P', {"##.", "#.#", "##.", "#..", "#.."}},
        {'S', {".##", "#..", ".#.", "..#", "##."}},
        {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
        {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    };
    return glyphs;
}

const std::map<char, Glyph> &largeGlyphs()
{
    static const std::map<char, Glyph> glyphs = {
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
        {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
        {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    };
    return glyphs;
}

const Glyph &glyph(QChar character, FontSize size)
{
    const auto &glyphs = size == FontSize::Small ? smallGlyphs() : largeGlyphs();
    const auto found = glyphs.find(character.toLatin1());
    if (found == glyphs.end())
        throw std::invalid_argument("the pixel font has no such character");
    return found->second;
}

} // namespace

int glyphHeight(FontSize size)
{
    return size == FontSize::Small ? 5 : 7;
}

int textWidth(QStringView text, FontSize size)
{
    int width = 0;
    for (QChar character : text)
        width += int(glyph(character, size).front().size()) + 1;
    return width > 0 ? width - 1 : 0;
}

void addText(Mask &mask, QPoint topLeft, QStringView text, FontSize size)
{
    int left = topLeft.x();
    for (QChar character : text) {
        const Glyph &rows = glyph(character, size);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (std::size_t column = 0; column < rows[row].size(); ++column) {
                if (rows[row][column] == '#')
                    mask.add(left + int(column), topLeft.y() + int(row));
            }
        }
        left += int(rows.front().size()) + 1;
    }
}

} // namespace pexesoart
