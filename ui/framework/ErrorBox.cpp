#include "ErrorBox.h"

#include <QMessageBox>
#include <QWindow>

namespace ui {
namespace {

ErrorBoxRecorder& recorder()
{
    static ErrorBoxRecorder instance;
    return instance;
}

} // namespace

std::string errorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

void showErrorBox(const std::string& title, const std::string& message, QWindow* owner)
{
    const std::string text = errorBoxText(message);
    if (recorder()) {
        recorder()(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText); // paths and messages are never markup
    box.setWindowModality(Qt::ApplicationModal);
    if (owner) {
        box.winId();
        box.windowHandle()->setTransientParent(owner);
    }
    box.exec();
}

void setErrorBoxRecorder(ErrorBoxRecorder newRecorder)
{
    recorder() = std::move(newRecorder);
}

} // namespace ui
