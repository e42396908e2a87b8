#include "QuizWindow.h"

#include "PhotographBoxes.h"
#include "QuizViewAdapter.h"
#include "StartPageWindow.h"
#include "ui/accessibility/Accessibility.h"
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

QuizWindow* quizWindow = nullptr;
quiz::QuizState quizState;
quiz::RandomSource quizRandom;

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

QuizWindow::QuizWindow()
    : view_(std::make_unique<QuizViewAdapter>(*this, startPageWindow)),
      cycle_(std::make_unique<quiz::QuestionCycle>(quizState, *view_, quizRandom))
{
}

QuizWindow::~QuizWindow() = default;

void QuizWindow::loadLayout()
{
    setCaption("Zorvenka");
    setClientSize(966, 579);
    setBackground(Black);
    setFont(quizFont());
    createControls();
    bindEvents();
    describeToScreenReaders();
}

void QuizWindow::createControls()
{
    background = makePictureBox(this, {0, 0, 969, 585});
    background->setStretch(true);
    background->setCenter(true);
    background->picture().readStoredData(pictures::GraphicKind::Jpeg, assets::backgroundPicture());
    plantPhoto = makePictureBox(this, PlantPhotoBounds);
    plantPhoto->setCenter(true);
    plantPhoto->setProportional(true);
    nameCaption = makeQuizLabel(this, {787, 8}, "Název");
    questionNumber = makeQuizLabel(this, {787, 66});
    headPhoto = makePictureBox(this, HeadPhotoBounds);
    headPhoto->setCenter(true);
    headPhoto->setProportional(true);

    correctionPanel = new GroupBox(this, {8, 0, 761, 89}, quizFont(), White, Yellow);
    correctionPanel->hide();
    rightName = makeQuizLabel(correctionPanel, {8, 24});
    mistakeCount = makeQuizLabel(correctionPanel, {8, 0}, "  Chyb: ");

    createAnswerControls();
    answerButton = new PaintedButton("OK", this, Navy);
    answerButton->setGeometry(881, 66, 75, 25);
    answerButton->setEnabled(false);
    addDefaultButton(*answerButton);
    moveFocusWithArrows(*answerButton);

    createIntroPanel();

    introTimer = new QTimer(this);
    introTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may tick up to 5 % early
    introTimer->setInterval(5000);
    introTimer->start();
}

// The typed answer has a flat one-pixel border; the picked one a sunken edge in the panel's yellow.
void QuizWindow::createAnswerControls()
{
    typedAnswer = new AnswerEdit(this);
    typedAnswer->setGeometry(787, 32, 169, 25);
    typedAnswer->setStyleSheet("QLineEdit { border: 1px solid black; background: white; color: black; padding: 0; }");
    typedAnswer->hide();
    pickedAnswer = new AnswerList(this);
    pickedAnswer->setGeometry(787, 33, 169, 27);
    QPalette colours = pickedAnswer->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        colours.setColor(role, Yellow);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        colours.setColor(role, Navy);
    pickedAnswer->setPalette(colours);
    pickedAnswer->hide();
}

void QuizWindow::createIntroPanel()
{
    introPanel = new GroupBox(this, {-2, -8, 960, 609}, quizFont(), palette().color(QPalette::WindowText), Yellow);
    introWedge = makePictureBox(introPanel, {477, 13, 496, 585});
    introWedge->setStretch(true);
    introWedge->picture().readStoredData(pictures::GraphicKind::Bitmap, assets::wedgePicture());
    introPhoto = makePictureBox(introPanel, {176, 0, 449, 601});
    introPhoto->setProportional(true);
    introPhoto->picture().readStoredData(pictures::GraphicKind::Jpeg, assets::introPhotograph());
    enlargeHint = new Label(introPanel, {818, 559}, hintFont(), Yellow, InactiveCaption, "Kliknutím zvětšíte");
}

// What screen readers cannot read off the controls: the answer controls are named by the caption
// beside them, the photographs for what they show without giving the answer away, with the hint
// as what a click does; the artwork says nothing, and a correction is announced as it appears.
void QuizWindow::describeToScreenReaders()
{
    const QString caption = QString::fromStdString(nameCaption->text());
    typedAnswer->setAccessibleName(caption);
    pickedAnswer->setAccessibleName(caption);
    const QString hint = QString::fromStdString(enlargeHint->text());
    plantPhoto->setAccessibleName(QString::fromUtf8("Celá rostlina"));
    plantPhoto->setAccessibleDescription(hint);
    headPhoto->setAccessibleName(QString::fromUtf8("Květenství"));
    headPhoto->setAccessibleDescription(hint);
    for (QWidget* artwork : std::initializer_list<QWidget*> {background, introWedge, introPhoto})
        markAsDecoration(*artwork);
    announceWhenShown(*correctionPanel);
}

void QuizWindow::bindEvents()
{
    bindEvent(plantPhoto, &pictures::PictureBox::clicked, [this] { enlargePlantPhoto(); });
    bindEvent(headPhoto, &pictures::PictureBox::clicked, [this] { enlargeHeadPhoto(); });
    bindEvent(answerButton, &QPushButton::clicked, [this] { answerOrGoOn(); });
    bindEvent(introTimer, &QTimer::timeout, [this] { introEnded(); });
}

void QuizWindow::created()
{
    cycle_->quizWindowCreated();
}

void QuizWindow::activated()
{
    cycle_->quizWindowActivated();
}

void QuizWindow::answerOrGoOn()
{
    cycle_->answerOrGoOn();
}

void QuizWindow::introEnded()
{
    cycle_->introEnded();
}

void QuizWindow::enlargePlantPhoto()
{
    startPageWindow->showDetailView(*plantPhoto);
}

void QuizWindow::enlargeHeadPhoto()
{
    startPageWindow->showDetailView(*headPhoto);
}

} // namespace ui
