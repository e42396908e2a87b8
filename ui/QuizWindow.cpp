#include "QuizWindow.h"

#include "QuizViewAdapter.h"
#include "StartPageWindow.h"
#include "ui/widgets/AnswerEdit.h"
#include "ui/widgets/AnswerList.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/PaintedButton.h"

#include "assets/Artwork.h"
#include "pictures/PictureBox.h"
#include "quiz/QuestionCycle.h"
#include "quiz/RandomSource.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace ui {

TForm1* Form1 = nullptr;
quiz::QuizState Quiz;
quiz::RandomSource QuizRandom;

namespace {

pictures::PictureBox* makePictureBox(QWidget* parent, const QRect& geometry)
{
    auto* box = new pictures::PictureBox(parent);
    box->setGeometry(geometry);
    return box;
}

Label* makeQuizLabel(QWidget* parent, QPoint position, const char* text = "")
{
    return new Label(parent, position, quizFont(), Navy, Yellow, text);
}

} // namespace

TForm1::TForm1()
    : controls_(std::make_unique<QuizWindowControls>(*this, Form2)),
      cycle_(std::make_unique<quiz::QuestionCycle>(Quiz, *controls_, QuizRandom))
{
}

TForm1::~TForm1() = default;

void TForm1::loadLayout()
{
    setCaption("Zorvenka");
    setClientSize(966, 579);
    setBackground(Black);
    setFont(quizFont());
    createControls();
    bindEvents();
}

void TForm1::createControls()
{
    Image5 = makePictureBox(this, {0, 0, 969, 585});
    Image5->setStretch(true);
    Image5->setCenter(true);
    Image5->picture().readStoredData(pictures::GraphicKind::Jpeg, assets::backgroundPicture());
    Image1 = makePictureBox(this, Image1Bounds);
    Image1->setCenter(true);
    Image1->setProportional(true);
    Label1 = makeQuizLabel(this, {787, 8}, "Název");
    Label6 = makeQuizLabel(this, {787, 66});
    Image3 = makePictureBox(this, Image3Bounds);
    Image3->setCenter(true);
    Image3->setProportional(true);

    GroupBox3 = new GroupBox(this, {8, 0, 761, 89}, quizFont(), White, Yellow);
    GroupBox3->hide();
    Label3 = makeQuizLabel(GroupBox3, {8, 24});
    Label7 = makeQuizLabel(GroupBox3, {8, 0}, "  Chyb: ");

    createAnswerControls();
    BitBtn1 = new GlyphButton("OK", this, Navy);
    BitBtn1->setGeometry(881, 66, 75, 25);
    BitBtn1->setEnabled(false);
    addDefaultButton(*BitBtn1);
    moveFocusWithArrows(*BitBtn1);

    createIntroPanel();

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may tick up to 5 % early
    Timer1->setInterval(5000);
    Timer1->start();
}

// The typed answer has a flat one-pixel border; the picked one a sunken edge in the panel's yellow.
void TForm1::createAnswerControls()
{
    Edit1 = new AnswerEdit(this);
    Edit1->setGeometry(787, 32, 169, 25);
    Edit1->setStyleSheet("QLineEdit { border: 1px solid black; background: white; color: black; padding: 0; }");
    Edit1->hide();
    ComboBox1 = new AnswerList(this);
    ComboBox1->setGeometry(787, 33, 169, 27);
    QPalette colours = ComboBox1->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        colours.setColor(role, Yellow);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        colours.setColor(role, Navy);
    ComboBox1->setPalette(colours);
    ComboBox1->hide();
}

void TForm1::createIntroPanel()
{
    GroupBox1 = new GroupBox(this, {-2, -8, 960, 609}, quizFont(), palette().color(QPalette::WindowText), Yellow);
    Image8 = makePictureBox(GroupBox1, {477, 13, 496, 585});
    Image8->setStretch(true);
    Image8->picture().readStoredData(pictures::GraphicKind::Bitmap, assets::wedgePicture());
    Image7 = makePictureBox(GroupBox1, {176, 0, 449, 601});
    Image7->setProportional(true);
    Image7->picture().readStoredData(pictures::GraphicKind::Jpeg, assets::introPhotograph());
    Label2 = new Label(GroupBox1, {818, 559}, hintFont(), Yellow, InactiveCaption, "Kliknutím zvětšíte");
}

void TForm1::bindEvents()
{
    bindEvent(Image1, &pictures::PictureBox::clicked, [this] { Image1Click(); });
    bindEvent(Image3, &pictures::PictureBox::clicked, [this] { Image3Click(); });
    bindEvent(BitBtn1, &QPushButton::clicked, [this] { BitBtn1Click(); });
    bindEvent(Timer1, &QTimer::timeout, [this] { Timer1Timer(); });
}

void TForm1::FormCreate()
{
    cycle_->FormCreate();
}

void TForm1::FormActivate()
{
    cycle_->FormActivate();
}

void TForm1::BitBtn1Click()
{
    cycle_->BitBtn1Click();
}

void TForm1::Timer1Timer()
{
    cycle_->Timer1Timer();
}

void TForm1::Image1Click()
{
    Form2->showDetailView(Image1->picture());
}

void TForm1::Image3Click()
{
    Form2->showDetailView(Image3->picture());
}

} // namespace ui
