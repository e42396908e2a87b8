#pragma once

#include "ui/framework/TopLevelWindow.h"

#include "quiz/QuizState.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;

namespace pictures {
class PictureBox;
}
namespace quiz {
class QuestionCycle;
class RandomSource;
}

namespace ui {

class GroupBox;
class Label;
class QuizViewAdapter;

// The quiz window: the photographs, the answer controls, the correction panel and, for the
// first five seconds, the intro panel over everything. It is the program's main window.
class QuizWindow : public TopLevelWindow {
    Q_OBJECT

public:
    QuizWindow();
    ~QuizWindow() override;

    void loadLayout() override;

    // Controls, in the order the window declares them; created in layout order.
    GroupBox* correctionPanel = nullptr;
    Label* rightName = nullptr;
    Label* mistakeCount = nullptr;
    pictures::PictureBox* background = nullptr;
    pictures::PictureBox* plantPhoto = nullptr;
    QLineEdit* typedAnswer = nullptr;
    QComboBox* pickedAnswer = nullptr;
    QPushButton* answerButton = nullptr;
    Label* nameCaption = nullptr;
    Label* questionNumber = nullptr;
    GroupBox* introPanel = nullptr;
    QTimer* introTimer = nullptr;
    pictures::PictureBox* introWedge = nullptr;
    pictures::PictureBox* introPhoto = nullptr;
    pictures::PictureBox* headPhoto = nullptr;
    Label* enlargeHint = nullptr;

    void enlargeHeadPhoto();
    void enlargePlantPhoto();
    void created() override;
    void activated() override;
    void answerOrGoOn();
    void introEnded();

private:
    void createControls();
    void createAnswerControls();
    void createIntroPanel();
    void describeToScreenReaders();
    void bindEvents();

    std::unique_ptr<QuizViewAdapter> view_;
    std::unique_ptr<quiz::QuestionCycle> cycle_;
};

// The quiz window, set as soon as it is allocated.
extern QuizWindow* quizWindow;
// The round in progress; there is one quiz per program.
extern quiz::QuizState quizState;
// Draws the order of the questions.
extern quiz::RandomSource quizRandom;

} // namespace ui
