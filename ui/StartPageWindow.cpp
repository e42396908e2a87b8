#include "StartPageWindow.h"

#include "QuizWindow.h"
#include "ui/accessibility/Accessibility.h"
#include "ui/framework/Application.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/PushButton.h"
#include "ui/widgets/RadioButton.h"

#include "assets/Artwork.h"
#include "pictures/PictureBox.h"

#include <QHideEvent>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

StartPageWindow* startPageWindow = nullptr;

namespace {

// The caption on the level choice and on the result screen; the detail view has its own.
const char* const StartPageCaption = "Start page";

template <class Button>
Button* makeButton(QWidget* parent, const QRect& geometry, const char* text)
{
    auto* button = new Button(QString::fromUtf8(text), parent);
    button->setGeometry(geometry);
    button->setFont(quizFont());
    return button;
}

RadioButton* makeRadioButton(QWidget* parent, const QRect& geometry, const char* text)
{
    auto* button = makeButton<RadioButton>(parent, geometry, text);
    QPalette palette = button->palette();
    palette.setColor(QPalette::WindowText, Navy);
    button->setPalette(palette);
    return button;
}

} // namespace

void StartPageWindow::loadLayout()
{
    setCaption(StartPageCaption);
    setClientSize(411, 178);
    setBackground(Yellow);
    setFont(startPageFont());
    setVisibleFromLayout(true);
    createControls();
    bindEvents();
    describeToScreenReaders();
}

void StartPageWindow::createControls()
{
    wedge = new pictures::PictureBox(this);
    wedge->setGeometry(289, -20, 121, 201);
    wedge->picture().readStoredData(pictures::GraphicKind::Bitmap, assets::wedgePicture());

    detailPhoto = new pictures::PictureBox(this);
    detailPhoto->setGeometry(0, 0, 105, 105);
    detailPhoto->setCenter(true);
    detailPhoto->setProportional(true);

    levelPanel = new GroupBox(this, {24, 24, 337, 105}, quizFont(), Navy, Yellow, "   Obtížnost   ");
    beginner = makeRadioButton(levelPanel, {16, 32, 113, 17}, "Začátečník");
    beginner->setChecked(true);
    advanced = makeRadioButton(levelPanel, {16, 72, 113, 17}, "Pokročilý");
    startButton = makeButton<PushButton>(levelPanel, {248, 72, 75, 25}, "OK");
    addDefaultButton(*startButton);

    resultPanel = new GroupBox(this, {24, 24, 337, 105}, quizFont(), Navy, Yellow, "        ");
    resultPanel->hide();
    resultLine = new Label(resultPanel, {24, 32}, resultFont(), Red, Yellow);
    endButton = makeButton<PushButton>(resultPanel, {248, 72, 75, 25}, "Konec");
    againButton = makeButton<PushButton>(resultPanel, {160, 72, 75, 25}, "Znovu");
    addDefaultButton(*againButton);
    for (QWidget* control : std::initializer_list<QWidget*> {beginner, advanced, startButton, endButton, againButton})
        moveFocusWithArrows(*control);
}

// The wedge says nothing to a screen reader; the result is announced as it appears.
void StartPageWindow::describeToScreenReaders()
{
    markAsDecoration(*wedge);
    announceWhenShown(*resultPanel);
}

void StartPageWindow::bindEvents()
{
    bindEvent(detailPhoto, &pictures::PictureBox::clicked, [this] { closeDetailView(); });
    bindEvent(startButton, &QPushButton::clicked, [this] { startRound(); });
    bindEvent(endButton, &QPushButton::clicked, [this] { endProgram(); });
    bindEvent(againButton, &QPushButton::clicked, [this] { playAgain(); });
}

// The whole run takes place inside this window's modal loop.
void StartPageWindow::created()
{
    startPageWindow->showModal();
}

// "OK": the quiz window takes over; its activation handler hides this window and reads the level.
void StartPageWindow::startRound()
{
    quizWindow->showWindow();
    hideWindow();
}

// "Konec"
void StartPageWindow::endProgram()
{
    Application::instance().terminate();
}

// "Znovu": back to the level choice; the next round is already prepared. The focus does not
// stay on the hidden button, so Enter presses "OK".
void StartPageWindow::playAgain()
{
    releaseFocusFrom(*resultPanel);
    resultPanel->hide();
    levelPanel->show();
}

// A click on the enlarged photograph goes back to the quiz. On the level choice the empty box
// peeks out beside the level group; hiding the only window there would leave nothing on screen,
// so outside the detail view the click does nothing.
void StartPageWindow::closeDetailView()
{
    if (!inDetailView())
        return;
    hideWindow();
    wedge->show();
}

void StartPageWindow::closeRequested(CloseAction&)
{
    Application::instance().terminate();
}

// However the detail view closes, its photograph is never drawn again: the next detail view
// copies a new one first. The pixels go; the compressed bytes stay with the picture. A window
// minimised by the user is hidden by the window system and keeps them.
void StartPageWindow::hideEvent(QHideEvent* event)
{
    TopLevelWindow::hideEvent(event);
    if (!event->spontaneous() && inDetailView())
        detailPhoto->picture().releaseDecodedPixels();
}

bool StartPageWindow::inDetailView() const
{
    return levelPanel->isHidden() && resultPanel->isHidden();
}

// No control has the focus, so Enter presses the default button "Znovu": hiding the level group
// would hand the focus on to "Konec", and so would the window manager's activation to a window
// without a focused control.
void StartPageWindow::showResultScreen()
{
    showWindow();
    setState(WindowState::Normal);
    detailPhoto->resize(0, 0);
    detailPhoto->hide();
    setOuterSize(392, 183);
    focusNoControl();
    levelPanel->hide();
    resultPanel->show();
    setCaption(StartPageCaption);
    showWindow();
}

// The box is sized to the maximised window's outer size, frame included, so it reaches past
// the client area's right and bottom edges by the frame's width.
void StartPageWindow::showDetailView(const pictures::PictureBox& photograph)
{
    showWindow();
    detailPhoto->assignPicture(photograph.picture());
    detailPhoto->setAccessibleName(photograph.accessibleName());
    setState(WindowState::Maximized);
    detailPhoto->resize(outerWidth(), outerHeight());
    levelPanel->hide();
    resultPanel->hide();
    detailPhoto->show();
    setCaption("Detajl");
    wedge->hide();
}

} // namespace ui
