#pragma once

#include <string>

namespace quiz {

// The controls of the quiz window that the question cycle drives. The plant photograph comes
// from folder 0, the head photograph from folder 2; the answer is typed at the advanced level and
// picked from a list at the beginner's; the answer button reads OK, NEXT or Start page.
enum class QuizControl {
    PlantPhoto,
    HeadPhoto,
    TypedAnswer,
    PickedAnswer,
    AnswerButton,
    RightName,      // on the correction panel
    QuestionNumber,
    MistakeCount,   // the mistakes line on the correction panel
    IntroPanel,
    CorrectionPanel,
};

// What the question cycle needs of the two windows. The quiz window implements it with real
// widgets; tests implement it with a recording fake. Texts are UTF-8.
class QuizView {
public:
    virtual ~QuizView() = default;

    virtual void setVisible(QuizControl control, bool visible) = 0;
    virtual void setEnabled(QuizControl control, bool enabled) = 0;
    // The answer button's caption, or the current text of an answer control (empty with no
    // selection).
    virtual std::string text(QuizControl control) const = 0;
    // A label's text, the answer button's caption or the typed answer.
    virtual void setText(QuizControl control, const std::string& text) = 0;
    virtual void appendChoice(const std::string& name) = 0; // to the picked answer's list
    virtual void clearChoice() = 0;                         // the list without a selection
    // Loads a photograph (a program path such as "obr\0\7.jpg") into one of the two photograph boxes. May throw
    // one of the picture errors; the box then keeps the picture it had.
    virtual void loadPicture(QuizControl box, const std::string& path) = 0;
    virtual void hideQuizWindow() = 0;

    // The start page window.
    virtual void hideStartPage() = 0;
    virtual bool beginnerChecked() const = 0;
    virtual bool advancedChecked() const = 0;
    // Turns the start page into the result screen and brings it to the front: visible, normal
    // state, detail box hidden at size 0 × 0, outer size 392 × 183, level group hidden, result
    // group shown, caption "Start page".
    virtual void showResultScreen() = 0;
    virtual void setResultLine(const std::string& text) = 0;
};

} // namespace quiz
