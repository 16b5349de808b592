#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace rt {

namespace {

void showModalBox(const std::string &prompt, const std::string &title)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

MessageBoxHandler &handler()
{
    static MessageBoxHandler current = showModalBox;
    return current;
}

std::string &title()
{
    static std::string current;
    return current;
}

} // namespace

void MsgBox(const std::string &prompt, const std::string &title)
{
    handler()(prompt, title);
}

void setMessageBoxHandler(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

void resetMessageBoxHandler()
{
    handler() = showModalBox;
}

const std::string &programTitle() { return title(); }
void setProgramTitle(const std::string &newTitle) { title() = newTitle; }

} // namespace rt
