#include "QuizViewAdapter.h"

#include "QuizWindow.h"
#include "StartPageWindow.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include "pictures/PictureBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <stdexcept>

namespace ui {

using quiz::QuizControl;

QWidget& QuizViewAdapter::widget(QuizControl control) const
{
    switch (control) {
    case QuizControl::PlantPhoto: return *quizWindow_.plantPhoto;
    case QuizControl::HeadPhoto: return *quizWindow_.headPhoto;
    case QuizControl::TypedAnswer: return *quizWindow_.typedAnswer;
    case QuizControl::PickedAnswer: return *quizWindow_.pickedAnswer;
    case QuizControl::AnswerButton: return *quizWindow_.answerButton;
    case QuizControl::RightName: return *quizWindow_.rightName;
    case QuizControl::QuestionNumber: return *quizWindow_.questionNumber;
    case QuizControl::MistakeCount: return *quizWindow_.mistakeCount;
    case QuizControl::IntroPanel: return *quizWindow_.introPanel;
    case QuizControl::CorrectionPanel: return *quizWindow_.correctionPanel;
    }
    throw std::logic_error("unknown control");
}

pictures::PictureBox& QuizViewAdapter::pictureBox(QuizControl box) const
{
    return box == QuizControl::PlantPhoto ? *quizWindow_.plantPhoto : *quizWindow_.headPhoto;
}

void QuizViewAdapter::setVisible(QuizControl control, bool visible)
{
    widget(control).setVisible(visible);
}

// Marking an answer disables the answer control that has the focus: no control keeps it, so
// only Enter goes on. The next question gives it back to the answer control on show, so the
// next answer is typed straight in.
void QuizViewAdapter::setEnabled(QuizControl control, bool enabled)
{
    QWidget& target = widget(control);
    quizWindow_.setControlEnabled(target, enabled);
    const bool answerControl = control == QuizControl::TypedAnswer || control == QuizControl::PickedAnswer;
    if (enabled && answerControl && !target.isHidden() && quizWindow_.focusOnNoControl())
        target.setFocus(Qt::OtherFocusReason);
}

std::string QuizViewAdapter::text(QuizControl control) const
{
    switch (control) {
    case QuizControl::AnswerButton: return quizWindow_.answerButton->text().toStdString();
    case QuizControl::TypedAnswer: return quizWindow_.typedAnswer->text().toStdString();
    case QuizControl::PickedAnswer: return quizWindow_.pickedAnswer->currentText().toStdString();
    default: return static_cast<const Label&>(widget(control)).text();
    }
}

void QuizViewAdapter::setText(QuizControl control, const std::string& text)
{
    const QString qtext = QString::fromStdString(text);
    switch (control) {
    case QuizControl::AnswerButton: quizWindow_.answerButton->setText(qtext); break;
    case QuizControl::TypedAnswer: quizWindow_.typedAnswer->setText(qtext); break;
    default: static_cast<Label&>(widget(control)).setText(text); break;
    }
}

// The toolkit selects the first entry added to an empty list; the answer list keeps whatever
// selection it had.
void QuizViewAdapter::appendChoice(const std::string& name)
{
    const int selected = quizWindow_.pickedAnswer->currentIndex();
    quizWindow_.pickedAnswer->addItem(QString::fromStdString(name));
    quizWindow_.pickedAnswer->setCurrentIndex(selected);
}

void QuizViewAdapter::clearChoice()
{
    quizWindow_.pickedAnswer->setCurrentIndex(-1);
}

void QuizViewAdapter::loadPicture(QuizControl box, const std::string& path)
{
    pictureBox(box).picture().loadFromFile(path);
}

void QuizViewAdapter::hideQuizWindow()
{
    quizWindow_.hideWindow();
}

void QuizViewAdapter::hideStartPage()
{
    startPage_->hideWindow();
}

bool QuizViewAdapter::beginnerChecked() const
{
    return startPage_->beginner->isChecked();
}

bool QuizViewAdapter::advancedChecked() const
{
    return startPage_->advanced->isChecked();
}

void QuizViewAdapter::showResultScreen()
{
    startPage_->showResultScreen();
}

void QuizViewAdapter::setResultLine(const std::string& text)
{
    startPage_->resultLine->setText(text);
}

} // namespace ui
