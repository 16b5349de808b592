#include "testsupport.h"

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

} // namespace support
