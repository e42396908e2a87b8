#pragma once

#include "quiz/QuizView.h"

class QWidget;

namespace pictures {
class PictureBox;
}

namespace ui {

class TForm1;
class TForm2;

// The question cycle's view of the two windows: the quiz window's controls by name, and what
// the cycle does to the start page window. The quiz window's creation handler runs before the
// start page window exists, so the adapter is given the place that will hold it.
class QuizWindowControls : public quiz::QuizWindow {
public:
    QuizWindowControls(TForm1& form, TForm2* const& startPage) : form_(form), startPage_(startPage) {}

    void setVisible(quiz::Control control, bool visible) override;
    void setEnabled(quiz::Control control, bool enabled) override;
    std::string text(quiz::Control control) const override;
    void setText(quiz::Control control, const std::string& text) override;
    void appendChoice(const std::string& name) override;
    void clearChoice() override;
    void loadPicture(quiz::Control box, const std::string& path) override;
    void hideQuizWindow() override;

    void hideStartPage() override;
    bool beginnerChecked() const override;
    bool advancedChecked() const override;
    void showResultScreen() override;
    void setResultLine(const std::string& text) override;

private:
    QWidget& widget(quiz::Control control) const;
    pictures::PictureBox& pictureBox(quiz::Control box) const;

    TForm1& form_;
    TForm2* const& startPage_;
};

} // namespace ui
