#include "pexesoplayer.h"

namespace support {

PexesoSnapshot snapshot(pexeso::Form1 &form)
{
    PexesoSnapshot s{{}, {}, {}, {form.pairsleft.value(), form.turned.value(), form.firstcard.value(),
                                  form.secondcard.value()}};
    for (int n = 0; n <= 35; ++n) {
        s.cardof.push_back(form.cardof(n).value());
        s.removed.push_back(form.removed(n).value());
        s.pictures.push_back(form.Image3(n).picture().Handle());
    }
    return s;
}

std::vector<int> placesOf(pexeso::Form1 &form, int value)
{
    std::vector<int> places;
    for (int n = 0; n <= 35; ++n)
        if (form.cardof(n) == value)
            places.push_back(n);
    return places;
}

// Each value lies on two places and both leave the table together; a place
// shows the empty place once removed, its face while up and the back
// otherwise; the counters agree with the table.
QString brokenInvariant(pexeso::Form1 &form)
{
    int removedPlaces = 0;
    for (int n = 0; n <= 35; ++n) {
        const std::vector<int> pair = placesOf(form, form.cardof(n).value());
        if (form.cardof(n) < 2 || form.cardof(n) > 19 || pair.size() != 2)
            return QString("value %1 lies on %2 places").arg(form.cardof(n).value()).arg(pair.size());
        if (form.removed(n) != 0 && form.removed(n) != rt::True)
            return QString("removed(%1) is %2").arg(n).arg(form.removed(n).value());
        if (form.removed(pair[0]) != form.removed(pair[1]))
            return QString("only one card of value %1 is removed").arg(form.cardof(n).value());
        removedPlaces += form.removed(n) == rt::True;
        const bool up = (form.turned >= 1 && form.firstcard == n) || (form.turned == 2 && form.secondcard == n);
        const int expected = form.removed(n) == rt::True ? 0 : up ? form.cardof(n).value() : 1;
        if (shownSource(form, n) != expected || !form.Image3(n).Visible())
            return QString("place %1 shows %2, not %3").arg(n).arg(shownSource(form, n)).arg(expected);
    }
    if (form.pairsleft != 18 - removedPlaces / 2)
        return QString("pairsleft is %1 with %2 places removed").arg(form.pairsleft.value()).arg(removedPlaces);
    if (form.turned > 2 || (form.turned == 2 && form.firstcard == form.secondcard))
        return QString("turned is %1 on cards %2 and %3")
            .arg(form.turned.value()).arg(form.firstcard.value()).arg(form.secondcard.value());
    for (int k = 0; k <= 19; ++k)
        if (form.Image2(k).Visible())
            return QString("Image2(%1) is visible").arg(k);
    return {};
}

void PexesoPlayer::playOneEvent(QRandomGenerator &chance)
{
    static const int otherKeys[] = {13, 27, 32, 37, 48, 65, 77, 79, 112};
    const PexesoSnapshot before = snapshot(form_);
    const std::size_t shownBefore = messages_.shown.size();
    const bool real = realEvents_ && chance.bounded(20) == 0;
    const int kind = chance.bounded(1000);
    int clicked = -1;
    if (kind < 3 && real) {
        QTest::keyClick(form_.window(), Qt::Key_N, Qt::KeyboardModifiers(chance.bounded(8) << 25));
    } else if (kind < 3) {
        form_.Form_KeyDown(78, chance.bounded(8));
    } else if (kind < 20) {
        form_.Form_KeyDown(otherKeys[chance.bounded(int(std::size(otherKeys)))], chance.bounded(8));
    } else {
        clicked = chance.bounded(36);
        if (form_.turned == 1 && chance.bounded(3) == 0) {
            const std::vector<int> pair = placesOf(form_, form_.cardof(form_.firstcard.value()).value());
            clicked = pair[0] == form_.firstcard ? pair[1] : pair[0];
        }
        if (real)
            support::mouseClick(form_.Image3(clicked), Qt::LeftButton);
        else
            form_.Image3_Click(clicked);
    }
    eventProblem_ = checkEvent(before, clicked, kind < 3, shownBefore);
}

// The rules of one event: what it may change, and when the win is announced.
QString PexesoPlayer::checkEvent(const PexesoSnapshot &before, int clicked, bool dealt, std::size_t shownBefore)
{
    const bool changed = !(snapshot(form_) == before);
    if ((!dealt && clicked < 0 && changed) || (clicked >= 0 && before.removed[clicked] == -1 && changed))
        return "a key other than N or a click on an empty place changed the game";
    if (dealt) {
        winsThisGame_ = 0;
        if (form_.pairsleft != 18 || form_.turned != 0)
            return "N did not deal a fresh game";
    }
    const bool winTurn = form_.turned == 2 && before.counters[1] == 1 && form_.pairsleft == 1;
    if (messages_.shown.size() == shownBefore)
        return winTurn ? "the last pair was turned without the win message" : QString();
    if (messages_.shown.size() != shownBefore + 1 || messages_.shown.back().first != "Blahopřeji k výhře!"
        || messages_.shown.back().second != "Pexeso" || !winTurn)
        return "an unexpected message, or the win announced at the wrong moment";
    ++wins_;
    return ++winsThisGame_ > 1 ? "the win was announced twice in one game" : QString();
}

QString PexesoPlayer::brokenInvariant()
{
    return eventProblem_.isEmpty() ? support::brokenInvariant(form_) : eventProblem_;
}

} // namespace support
