#include "Program.h"

#include "QuizWindow.h"
#include "StartPageWindow.h"
#include "ui/accessibility/Accessibility.h"
#include "ui/framework/Application.h"

#include "assets/Artwork.h"
#include "pictures/PictureBox.h"
#include "pictures/PictureSupport.h"
#include "platform/ProgramFile.h"
#include "platform/Taskbar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>

namespace ui {
namespace {

QIcon applicationIcon()
{
    const auto bytes = assets::applicationIcon();
    QPixmap pixmap;
    pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size()), "ICO");
    return QIcon(pixmap);
}

void setUpWindowSystem(Application& application)
{
    QApplication::setStyle(QStyleFactory::create("Windows"));
    // Links the windows to the desktop entry, where the window system asks (Wayland).
    QGuiApplication::setDesktopFileName("zorvenka");
    QApplication::setWindowIcon(applicationIcon());
    installAccessibleInterfaces();
    const QScreen* screen = QGuiApplication::primaryScreen();
    pictures::setUpPictureSupport(screen ? screen->depth() : 24);
    pictures::PictureBox::setPaintErrorSink(
        [&application](const std::string& message) { application.reportLater(message); });
    // Before the windows, which it owns. The offscreen platform has no taskbar.
    if (platform::taskbarShowsEveryUnownedWindow() && QGuiApplication::platformName() != "offscreen")
        application.showTaskbarEntry();
}

} // namespace

void setUpScaling()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

int runProgram()
{
    Application application(platform::programFileName());
    setUpWindowSystem(application);
    application.createWindow(quizWindow);
    application.createWindow(startPageWindow);
    application.runMainLoop();
    delete startPageWindow;
    startPageWindow = nullptr;
    delete quizWindow;
    quizWindow = nullptr;
    // The sink reports through this run's application, which ends here.
    pictures::PictureBox::setPaintErrorSink(nullptr);
    return 0;
}

} // namespace ui
