#include "keyreport.h"

#include "formwindow.h"
#include "image.h"
#include "keyboardgrid.h"
#include "label.h"

#include <algorithm>

namespace rt {

namespace {

template <typename Control, typename Before>
void keepFirst(std::vector<std::pair<const Control *, Before>> &changes, const Control *control, const Before &before)
{
    if (std::none_of(changes.begin(), changes.end(), [control](const auto &c) { return c.first == control; }))
        changes.emplace_back(control, before);
}

void add(std::vector<std::string> &parts, std::string_view part)
{
    if (!part.empty() && std::find(parts.begin(), parts.end(), part) == parts.end())
        parts.emplace_back(part);
}

} // namespace

KeyReport::KeyReport(FormWindow &window, KeyboardGrid *grid, std::string lead)
    : window_(window), grid_(grid), lead_(std::move(lead))
{
}

void KeyReport::pictureShown(const Image &image, const Spoken &before)
{
    if (grid_ && image.keyboardGrid() == grid_)
        keepFirst(cells_, &image, before);
}

void KeyReport::captionChanged(const Label &label, const std::string &before)
{
    keepFirst(labels_, &label, before);
}

std::string KeyReport::text() const
{
    std::vector<std::string> parts;
    add(parts, lead_);
    if (lead_.empty() && grid_)
        sayCells(parts);
    sayLabels(parts, !lead_.empty() || !grid_);
    for (std::string_view name : announced_)
        add(parts, name);
    if (parts.empty())
        return "beze změny";
    std::string text = parts.front();
    for (std::size_t k = 1; k < parts.size(); ++k)
        text += ", " + parts[k];
    return text;
}

// The cell under the cursor first, by what it now shows, unless what the key
// did to several cells says it: then how many cells it took from a picture,
// and what its cards make together.
void KeyReport::sayCells(std::vector<std::string> &parts) const
{
    const Image *cursor = grid_->imageAt(grid_->cursor());
    const auto changed = [](const auto &cell) { return cell.first->picture().spoken().name != cell.second.name; };
    const bool cursorChanged =
        std::any_of(cells_.begin(), cells_.end(), [&](const auto &c) { return c.first == cursor && changed(c); });
    if (cursorChanged)
        add(parts, cursor->picture().spoken().arriving.empty() ? cursor->picture().spoken().name : std::string_view());
    std::vector<std::pair<std::string_view, int>> leaving;
    for (const auto &cell : cells_) {
        if (!changed(cell))
            continue;
        add(parts, cell.first->picture().spoken().arriving);
        const std::string_view phrase = cell.second.leaving;
        if (phrase.empty())
            continue;
        auto at = std::find_if(leaving.begin(), leaving.end(), [&](const auto &l) { return l.first == phrase; });
        if (at == leaving.end())
            leaving.emplace_back(phrase, 1);
        else
            ++at->second;
    }
    // An end of the game that is announced says more than a count.
    for (const auto &[phrase, count] : leaving)
        if (count > 1 && announced_.empty())
            add(parts, std::string(phrase) + ": " + std::to_string(count));
    if (cursorChanged && !cursor->picture().spoken().same.empty())
        sayPair(parts, *cursor);
}

void KeyReport::sayPair(std::vector<std::string> &parts, const Image &turned) const
{
    const Spoken &spoken = turned.picture().spoken();
    for (int row = 0; row < grid_->rows(); ++row)
        for (int column = 0; column < grid_->columns(); ++column) {
            const Image *image = grid_->imageAt(QPoint(column, row));
            if (image && image != &turned && !image->picture().spoken().same.empty())
                add(parts, image->picture().Handle() == turned.picture().Handle() ? spoken.same : spoken.other);
        }
}

// The labels the key changed, or, for a key of its own, every label: the
// window's whole state, in the order the labels lie on screen.
void KeyReport::sayLabels(std::vector<std::string> &parts, bool all) const
{
    std::vector<const Label *> labels;
    for (const GraphicControl *control : window_.graphics())
        if (const auto *label = dynamic_cast<const Label *>(control); label && label->Visible())
            labels.push_back(label);
    std::sort(labels.begin(), labels.end(), [](const Label *a, const Label *b) {
        const QRect ra = a->pixelRect(), rb = b->pixelRect();
        return std::pair(ra.top(), ra.left()) < std::pair(rb.top(), rb.left());
    });
    for (const Label *label : labels) {
        const auto changed = std::find_if(labels_.begin(), labels_.end(), [label](const auto &l) { return l.first == label; });
        if (all || (changed != labels_.end() && changed->second != label->Caption()))
            add(parts, label->Caption());
    }
}

} // namespace rt
