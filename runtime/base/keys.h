#pragma once

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace rt {

// Virtual-key codes of the keys that the runtime and the games name.
enum KeyCode {
    KeyTab = 9,
    KeyReturn = 13,
    KeyEscape = 27,
    KeySpace = 32,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyF = 70,
    KeyN = 78,
    KeyS = 83,
    KeyF2 = 113,
};

// A key that stands for a mouse button: it presses the control when it goes
// down and releases it when it comes up.
struct KeyPress
{
    int keyCode;
    int button;
};

// The keys that are down, each with what it pressed, so that its release
// goes there too, wherever the keyboard has moved meanwhile.
template <typename Target>
class HeldKeys
{
public:
    void press(int keyCode, Target target)
    {
        release(keyCode);
        keys_.emplace_back(keyCode, target);
    }
    bool holds(int keyCode) const
    {
        return std::any_of(keys_.begin(), keys_.end(), [keyCode](const auto &key) { return key.first == keyCode; });
    }
    // What the key pressed; the key is no longer down.
    std::optional<Target> release(int keyCode)
    {
        const auto at = std::find_if(keys_.begin(), keys_.end(), [keyCode](const auto &key) { return key.first == keyCode; });
        if (at == keys_.end())
            return std::nullopt;
        const Target target = at->second;
        keys_.erase(at);
        return target;
    }
    void forget(const Target &target)
    {
        std::erase_if(keys_, [&target](const auto &key) { return key.second == target; });
    }
    void clear() { keys_.clear(); }

private:
    std::vector<std::pair<int, Target>> keys_;
};

} // namespace rt
