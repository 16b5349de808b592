#include "testsupport.h"

#include "messagebox.h"

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

} // namespace support
