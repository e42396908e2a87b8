#pragma once

#include "quiz/QuizWindow.h"

class QWidget;

namespace pictures {
class PictureBox;
}

namespace ui {

class TForm1;

// The question cycle's view of the two windows: the quiz window's controls by name, and what
// the cycle does to the start page window.
class QuizWindowControls : public quiz::QuizWindow {
public:
    explicit QuizWindowControls(TForm1& form) : form_(form) {}

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
};

} // namespace ui
