#pragma once

#include "control.h"
#include "style.h"

#include <string>

class QLabel;

namespace rt {

// Text on an opaque background, left-aligned at the top, at a fixed size:
// the label does not grow with its caption.
class Label : public Control
{
public:
    explicit Label(Form &form);

    const std::string &Caption() const { return caption_; }
    void setCaption(const std::string &caption);
    void setBackColor(Color color);
    void setForeColor(Color color);
    void setFont(const Font &font);

private:
    QLabel *label() const;
    void applyColors();

    std::string caption_;
    Color backColor_ = RGB(192, 192, 192);
    Color foreColor_ = RGB(0, 0, 0);
};

} // namespace rt
