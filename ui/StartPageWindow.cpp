#include "StartPageWindow.h"

#include "QuizWindow.h"
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

TForm2* Form2 = nullptr;

namespace {

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

void TForm2::loadLayout()
{
    setCaption("Start page");
    setClientSize(411, 178);
    setBackground(Yellow);
    setFont(startPageFont());
    setVisibleFromLayout(true);
    createControls();
    bindEvents();
}

void TForm2::createControls()
{
    Image6 = new pictures::PictureBox(this);
    Image6->setGeometry(289, -20, 121, 201);
    Image6->picture().readStoredData(pictures::GraphicKind::Bitmap, assets::wedgePicture());

    Image1 = new pictures::PictureBox(this);
    Image1->setGeometry(0, 0, 105, 105);
    Image1->setCenter(true);
    Image1->setProportional(true);

    GroupBox1 = new GroupBox(this, {24, 24, 337, 105}, quizFont(), Navy, Yellow, "   Obtížnost   ");
    RadioButton1 = makeRadioButton(GroupBox1, {16, 32, 113, 17}, "Začátečník");
    RadioButton1->setChecked(true);
    RadioButton2 = makeRadioButton(GroupBox1, {16, 72, 113, 17}, "Pokročilý");
    Button1 = makeButton<PushButton>(GroupBox1, {248, 72, 75, 25}, "OK");
    addDefaultButton(*Button1);

    GroupBox2 = new GroupBox(this, {24, 24, 337, 105}, quizFont(), Navy, Yellow, "        ");
    GroupBox2->hide();
    Label1 = new Label(GroupBox2, {24, 32}, resultFont(), Red, Yellow);
    Button2 = makeButton<PushButton>(GroupBox2, {248, 72, 75, 25}, "Konec");
    Button3 = makeButton<PushButton>(GroupBox2, {160, 72, 75, 25}, "Znovu");
    addDefaultButton(*Button3);
    for (QWidget* control : std::initializer_list<QWidget*> {RadioButton1, RadioButton2, Button1, Button2, Button3})
        moveFocusWithArrows(*control);
}

void TForm2::bindEvents()
{
    bindEvent(Image1, &pictures::PictureBox::clicked, [this] { Image1Click(); });
    bindEvent(Button1, &QPushButton::clicked, [this] { Button1Click(); });
    bindEvent(Button2, &QPushButton::clicked, [this] { Button2Click(); });
    bindEvent(Button3, &QPushButton::clicked, [this] { Button3Click(); });
}

// The whole run takes place inside this window's modal loop.
void TForm2::FormCreate()
{
    Form2->showModal();
}

// "OK": the quiz window takes over; its activation handler hides this window and reads the level.
void TForm2::Button1Click()
{
    Form1->showForm();
    hideForm();
}

// "Konec"
void TForm2::Button2Click()
{
    Application::instance().terminate();
}

// "Znovu": back to the level choice; the next round is already prepared. The focus does not
// stay on the hidden button, so Enter presses "OK".
void TForm2::Button3Click()
{
    releaseFocusFrom(*GroupBox2);
    GroupBox2->hide();
    GroupBox1->show();
}

// A click on the enlarged photograph goes back to the quiz. On the level choice the empty box
// peeks out beside the level group; hiding the only window there would leave nothing on screen,
// so outside the detail view the click does nothing.
void TForm2::Image1Click()
{
    if (!inDetailView())
        return;
    hideForm();
    Image6->show();
}

void TForm2::FormClose(CloseAction&)
{
    Application::instance().terminate();
}

// However the detail view closes, its photograph is never drawn again: the next detail view
// copies a new one first. The pixels go; the compressed bytes stay with the picture. A window
// minimised by the user is hidden by the window system and keeps them.
void TForm2::hideEvent(QHideEvent* event)
{
    Form::hideEvent(event);
    if (!event->spontaneous() && inDetailView())
        Image1->picture().releaseDecodedPixels();
}

bool TForm2::inDetailView() const
{
    return GroupBox1->isHidden() && GroupBox2->isHidden();
}

// No control has the focus, so Enter presses the default button "Znovu": hiding the level group
// would hand the focus on to "Konec", and so would the window manager's activation to a window
// without a focused control.
void TForm2::showResultScreen()
{
    showForm();
    setFormState(FormState::Normal);
    Image1->resize(0, 0);
    Image1->hide();
    setOuterSize(392, 183);
    focusNoControl();
    GroupBox1->hide();
    GroupBox2->show();
    setCaption("Start page");
    showForm();
}

// The box is sized to the maximised window's outer size, frame included, so it reaches past
// the client area's right and bottom edges by the frame's width.
void TForm2::showDetailView(const pictures::Picture& picture)
{
    showForm();
    Image1->assignPicture(picture);
    setFormState(FormState::Maximized);
    Image1->resize(outerWidth(), outerHeight());
    GroupBox1->hide();
    GroupBox2->hide();
    Image1->show();
    setCaption("Detajl");
    Image6->hide();
}

} // namespace ui
