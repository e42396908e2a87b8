#pragma once

#include "ui/framework/TopLevelWindow.h"

#include "quiz/QuizState.h"

#include <QRect>

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
class QuizWindowControls;

// Where the quiz window's photograph boxes lie: Image1 shows the item's photograph from obr\0\,
// Image3 the one from obr\2\. zorvenka-check reads their sizes.
inline constexpr QRect Image1Bounds{384, 95, 393, 480};
inline constexpr QRect Image3Bounds{664, 97, 294, 476};

// The quiz window: the photographs, the answer controls, the correction panel and, for the
// first five seconds, the intro panel over everything. It is the program's main window.
class TForm1 : public Form {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    void loadLayout() override;

    // Controls, in the order the window declares them; created in layout order.
    GroupBox* GroupBox3 = nullptr;
    Label* Label3 = nullptr;
    Label* Label7 = nullptr;
    pictures::PictureBox* Image5 = nullptr;
    pictures::PictureBox* Image1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    Label* Label1 = nullptr;
    Label* Label6 = nullptr;
    GroupBox* GroupBox1 = nullptr;
    QTimer* Timer1 = nullptr;
    pictures::PictureBox* Image8 = nullptr;
    pictures::PictureBox* Image7 = nullptr;
    pictures::PictureBox* Image3 = nullptr;
    Label* Label2 = nullptr;

    void Image3Click();
    void Image1Click();
    void FormCreate() override;
    void FormActivate() override;
    void BitBtn1Click();
    void Timer1Timer();

private:
    void createControls();
    void createAnswerControls();
    void createIntroPanel();
    void bindEvents();

    std::unique_ptr<QuizWindowControls> controls_;
    std::unique_ptr<quiz::QuestionCycle> cycle_;
};

// The quiz window, set as soon as it is allocated.
extern TForm1* Form1;
// The round in progress; there is one quiz per program.
extern quiz::QuizState Quiz;
// Draws the order of the questions.
extern quiz::RandomSource QuizRandom;

} // namespace ui
