#pragma once

#include "quiz/QuizView.h"

class QWidget;

namespace pictures {
class PictureBox;
}

namespace ui {

class QuizWindow;
class StartPageWindow;

// The question cycle's view of the two windows: the quiz window's controls by name, and what
// the cycle does to the start page window. The quiz window's creation handler runs before the
// start page window exists, so the adapter is given the place that will hold it.
class QuizViewAdapter : public quiz::QuizView {
public:
    QuizViewAdapter(QuizWindow& quizWindow, StartPageWindow* const& startPage)
        : quizWindow_(quizWindow), startPage_(startPage) {}

    void setVisible(quiz::QuizControl control, bool visible) override;
    void setEnabled(quiz::QuizControl control, bool enabled) override;
    std::string text(quiz::QuizControl control) const override;
    void setText(quiz::QuizControl control, const std::string& text) override;
    void appendChoice(const std::string& name) override;
    void clearChoice() override;
    void loadPicture(quiz::QuizControl box, const std::string& path) override;
    void hideQuizWindow() override;

    void hideStartPage() override;
    bool beginnerChecked() const override;
    bool advancedChecked() const override;
    void showResultScreen() override;
    void setResultLine(const std::string& text) override;

private:
    QWidget& widget(quiz::QuizControl control) const;
    pictures::PictureBox& pictureBox(quiz::QuizControl box) const;

    QuizWindow& quizWindow_;
    StartPageWindow* const& startPage_;
};

} // namespace ui
