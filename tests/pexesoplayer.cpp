#include "pexesoplayer.h"

#include <QRandomGenerator>
#include <QTest>
#include <QWidget>

#include <map>

namespace support {

namespace {

const std::string winText = "Blahopřeji k výhře!";

bool faceUp(pexeso::Form1 &form, int place)
{
    return (form.turned >= 1 && form.firstcard == place) || (form.turned == 2 && form.secondcard == place);
}

// What place n must show: the empty place once removed, its face while up,
// the back otherwise.
int expectedSource(pexeso::Form1 &form, int place)
{
    if (form.removed(place) == rt::True)
        return 0;
    if (faceUp(form, place))
        return form.cardof(place).value();
    return 1;
}

} // namespace

PexesoSnapshot snapshot(pexeso::Form1 &form)
{
    PexesoSnapshot s{{}, {}, {}, form.pairsleft.value(), form.turned.value(), form.firstcard.value(),
                     form.secondcard.value()};
    for (int n = 0; n <= 35; ++n) {
        s.cardof.push_back(form.cardof(n).value());
        s.removed.push_back(form.removed(n).value());
        s.pictures.push_back(form.Image3(n).picture().Handle());
    }
    return s;
}

int shownSource(pexeso::Form1 &form, int place)
{
    for (int k = 0; k <= 19; ++k)
        if (form.Image3(place).picture().Handle() == form.Image2(k).picture().Handle())
            return k;
    return -1;
}

QString brokenInvariant(pexeso::Form1 &form)
{
    std::map<int, std::vector<int>> placesOf;
    int removedPlaces = 0;
    for (int n = 0; n <= 35; ++n) {
        placesOf[form.cardof(n).value()].push_back(n);
        const int removed = form.removed(n).value();
        if (removed != 0 && removed != -1)
            return QString("removed(%1) is %2").arg(n).arg(removed);
        removedPlaces += removed == -1;
        if (shownSource(form, n) != expectedSource(form, n))
            return QString("place %1 shows %2, not %3").arg(n).arg(shownSource(form, n)).arg(expectedSource(form, n));
        if (!form.Image3(n).Visible())
            return QString("place %1 is hidden").arg(n);
    }
    if (placesOf.size() != 18 || placesOf.begin()->first != 2 || placesOf.rbegin()->first != 19)
        return "the values are not 2..19";
    for (const auto &[value, places] : placesOf) {
        if (places.size() != 2)
            return QString("value %1 lies on %2 places").arg(value).arg(places.size());
        if (form.removed(places[0]) != form.removed(places[1]))
            return QString("only one card of value %1 is removed").arg(value);
    }
    if (form.pairsleft != 18 - removedPlaces / 2)
        return QString("pairsleft is %1 with %2 places removed").arg(form.pairsleft.value()).arg(removedPlaces);
    if (form.turned > 2)
        return QString("turned is %1").arg(form.turned.value());
    if (form.turned == 2 && form.firstcard == form.secondcard)
        return "the same card was turned twice";
    for (int k = 0; k <= 19; ++k)
        if (form.Image2(k).Visible())
            return QString("Image2(%1) is visible").arg(k);
    return {};
}

PexesoPlayer::PexesoPlayer(pexeso::Form1 &form, const MessageRecorder &messages, bool realEvents)
    : form_(form), messages_(messages), realEvents_(realEvents)
{
}

int PexesoPlayer::partnerOf(int place)
{
    for (int n = 0; n <= 35; ++n)
        if (n != place && form_.cardof(n) == form_.cardof(place))
            return n;
    return place;
}

void PexesoPlayer::playOneEvent(QRandomGenerator &chance)
{
    static const int otherKeys[] = {13, 27, 32, 37, 48, 65, 77, 79, 112};
    const PexesoSnapshot before = snapshot(form_);
    const std::size_t shownBefore = messages_.shown.size();
    const bool real = realEvents_ && chance.bounded(20) == 0;
    const int kind = chance.bounded(1000);
    int clicked = -1;
    bool dealt = false;
    if (kind < 3) {
        dealt = true;
        if (real)
            QTest::keyClick(form_.window(), Qt::Key_N, Qt::KeyboardModifiers(chance.bounded(8) << 25));
        else
            form_.Form_KeyDown(78, chance.bounded(8));
    } else if (kind < 20) {
        form_.Form_KeyDown(otherKeys[chance.bounded(int(std::size(otherKeys)))], chance.bounded(8));
    } else {
        clicked = chance.bounded(36);
        if (form_.turned == 1 && chance.bounded(3) == 0)
            clicked = partnerOf(form_.firstcard.value());
        if (real)
            support::mouseClick(form_.Image3(clicked), Qt::LeftButton);
        else
            form_.Image3_Click(clicked);
    }
    eventProblem_ = checkEvent(before, clicked, dealt, shownBefore);
}

// The rules of one event: what it may change, and when the win is announced.
QString PexesoPlayer::checkEvent(const PexesoSnapshot &before, int clicked, bool dealt, std::size_t shownBefore)
{
    const bool changed = !(snapshot(form_) == before);
    if (!dealt && clicked < 0 && changed)
        return "a key other than N changed the game";
    if (clicked >= 0 && before.removed[clicked] == -1 && changed)
        return "a click on an empty place changed the game";
    if (dealt) {
        winsThisGame_ = 0;
        if (form_.pairsleft != 18 || form_.turned != 0)
            return "N did not deal a fresh game";
    }
    if (messages_.shown.size() != shownBefore) {
        if (messages_.shown.size() != shownBefore + 1 || messages_.shown.back().first != winText
            || messages_.shown.back().second != "Pexeso")
            return "an unexpected message";
        if (form_.turned != 2 || form_.pairsleft != 1 || before.turned != 1)
            return "the win was announced at the wrong moment";
        ++wins_;
        if (++winsThisGame_ > 1)
            return "the win was announced twice in one game";
    } else if (form_.turned == 2 && before.turned == 1 && form_.pairsleft <= 1) {
        return "the last pair was turned without the win message";
    }
    return {};
}

QString PexesoPlayer::brokenInvariant()
{
    return eventProblem_.isEmpty() ? support::brokenInvariant(form_) : eventProblem_;
}

} // namespace support
