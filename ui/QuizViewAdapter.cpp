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

using quiz::Control;

QWidget& QuizWindowControls::widget(Control control) const
{
    switch (control) {
    case Control::Image1: return *form_.Image1;
    case Control::Image3: return *form_.Image3;
    case Control::Edit1: return *form_.Edit1;
    case Control::ComboBox1: return *form_.ComboBox1;
    case Control::BitBtn1: return *form_.BitBtn1;
    case Control::Label3: return *form_.Label3;
    case Control::Label6: return *form_.Label6;
    case Control::Label7: return *form_.Label7;
    case Control::GroupBox1: return *form_.GroupBox1;
    case Control::GroupBox3: return *form_.GroupBox3;
    }
    throw std::logic_error("unknown control");
}

pictures::PictureBox& QuizWindowControls::pictureBox(Control box) const
{
    return box == Control::Image1 ? *form_.Image1 : *form_.Image3;
}

void QuizWindowControls::setVisible(Control control, bool visible)
{
    widget(control).setVisible(visible);
}

// Marking an answer disables the answer control that has the focus: no control keeps it, so
// only Enter goes on. The next question gives it back to the answer control on show, so the
// next answer is typed straight in.
void QuizWindowControls::setEnabled(Control control, bool enabled)
{
    QWidget& target = widget(control);
    form_.setControlEnabled(target, enabled);
    const bool answerControl = control == Control::Edit1 || control == Control::ComboBox1;
    if (enabled && answerControl && !target.isHidden() && form_.focusOnNoControl())
        target.setFocus(Qt::OtherFocusReason);
}

std::string QuizWindowControls::text(Control control) const
{
    switch (control) {
    case Control::BitBtn1: return form_.BitBtn1->text().toStdString();
    case Control::Edit1: return form_.Edit1->text().toStdString();
    case Control::ComboBox1: return form_.ComboBox1->currentText().toStdString();
    default: return static_cast<const Label&>(widget(control)).text();
    }
}

void QuizWindowControls::setText(Control control, const std::string& text)
{
    const QString qtext = QString::fromStdString(text);
    switch (control) {
    case Control::BitBtn1: form_.BitBtn1->setText(qtext); break;
    case Control::Edit1: form_.Edit1->setText(qtext); break;
    default: static_cast<Label&>(widget(control)).setText(text); break;
    }
}

// The toolkit selects the first entry added to an empty list; the answer list keeps whatever
// selection it had.
void QuizWindowControls::appendChoice(const std::string& name)
{
    const int selected = form_.ComboBox1->currentIndex();
    form_.ComboBox1->addItem(QString::fromStdString(name));
    form_.ComboBox1->setCurrentIndex(selected);
}

void QuizWindowControls::clearChoice()
{
    form_.ComboBox1->setCurrentIndex(-1);
}

void QuizWindowControls::loadPicture(Control box, const std::string& path)
{
    pictureBox(box).picture().loadFromFile(path);
}

void QuizWindowControls::hideQuizWindow()
{
    form_.hideForm();
}

void QuizWindowControls::hideStartPage()
{
    startPage_->hideForm();
}

bool QuizWindowControls::beginnerChecked() const
{
    return startPage_->RadioButton1->isChecked();
}

bool QuizWindowControls::advancedChecked() const
{
    return startPage_->RadioButton2->isChecked();
}

void QuizWindowControls::showResultScreen()
{
    startPage_->showResultScreen();
}

void QuizWindowControls::setResultLine(const std::string& text)
{
    startPage_->Label1->setText(text);
}

} // namespace ui
