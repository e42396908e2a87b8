// Preloaded into the real program by the end-to-end fault test: every message box the program
// makes first appends its title and text, tab-separated on one line, to the file named by
// ZORVENKA_BOX_LOG, and is then made as usual. The box's text cannot be read off the screen.
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

#define MESSAGE_BOX_CONSTRUCTOR \
    "_ZN11QMessageBoxC1ENS_4IconERK7QStringS3_6QFlagsINS_14StandardButtonEEP7QWidgetS4_IN2Qt10WindowTypeEE"

using MessageBoxConstructor = void (*)(QMessageBox*, QMessageBox::Icon, const QString&, const QString&,
                                       QMessageBox::StandardButtons, QWidget*, Qt::WindowFlags);

extern "C" void loggedMessageBox(QMessageBox* box, QMessageBox::Icon icon, const QString& title,
                                 const QString& text, QMessageBox::StandardButtons buttons,
                                 QWidget* parent, Qt::WindowFlags flags) __asm__(MESSAGE_BOX_CONSTRUCTOR);

void loggedMessageBox(QMessageBox* box, QMessageBox::Icon icon, const QString& title, const QString& text,
                      QMessageBox::StandardButtons buttons, QWidget* parent, Qt::WindowFlags flags)
{
    if (const char* path = std::getenv("ZORVENKA_BOX_LOG")) {
        if (std::FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%s\t%s\n", title.toUtf8().constData(), text.toUtf8().constData());
            std::fclose(log);
        }
    }
    static const auto original =
        reinterpret_cast<MessageBoxConstructor>(dlvsym(RTLD_NEXT, MESSAGE_BOX_CONSTRUCTOR, "Qt_6"));
    original(box, icon, title, text, buttons, parent, flags);
}
