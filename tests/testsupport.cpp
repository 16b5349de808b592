#include "testsupport.h"

#include "control.h"
#include "form.h"
#include "messagebox.h"

#include <QImage>
#include <QTest>
#include <QWidget>

namespace support {

float ScriptedRandom::next()
{
    if (next_ >= numbers_.size())
        qFatal("The scripted random source ran out after %zu numbers", numbers_.size());
    return numbers_[next_++];
}

ScriptedRandom &useScript(std::vector<float> numbers)
{
    auto source = std::make_unique<ScriptedRandom>(std::move(numbers));
    ScriptedRandom &script = *source;
    rt::setRandomSource(std::move(source));
    return script;
}

void useSeed(std::uint32_t seed)
{
    rt::setRandomSource(std::make_unique<SeededRandom>(seed));
}

float drawFor(int index, int n)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(n);
}

MessageRecorder::MessageRecorder()
{
    rt::setMessageBoxHandler([this](const std::string &text, const std::string &title) {
        shown.emplace_back(text, title);
    });
}

MessageRecorder::~MessageRecorder()
{
    rt::resetMessageBoxHandler();
}

bool showAndWait(QWidget *window)
{
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

QImage grab(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

static QPoint pointIn(const rt::Control &control, QPoint offset)
{
    const QRect area = control.pixelRect();
    return offset == centre ? area.center() : area.topLeft() + offset;
}

void mousePress(const rt::Control &control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint offset)
{
    QTest::mousePress(control.form().window(), button, modifiers, pointIn(control, offset));
}

void mouseRelease(const rt::Control &control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint offset)
{
    QTest::mouseRelease(control.form().window(), button, modifiers, pointIn(control, offset));
}

void mouseClick(const rt::Control &control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint offset)
{
    QTest::mouseClick(control.form().window(), button, modifiers, pointIn(control, offset));
}

} // namespace support
