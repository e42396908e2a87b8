#pragma once

#include <string>

namespace quiz {

// The controls of the quiz window that the question cycle drives, by their names in the layout.
enum class Control {
    Image1,    // photograph from folder 0
    Image3,    // photograph from folder 2
    Edit1,     // typed answer (advanced level)
    ComboBox1, // picked answer (beginner level)
    BitBtn1,   // the OK / NEXT / Start page button
    Label3,    // right name on the correction panel
    Label6,    // question number
    Label7,    // mistakes line
    GroupBox1, // intro panel
    GroupBox3, // correction panel
};

// What the question cycle needs of the two windows. The quiz window implements it with real
// widgets; tests implement it with a recording fake. Texts are UTF-8.
class QuizWindow {
public:
    virtual ~QuizWindow() = default;

    virtual void setVisible(Control control, bool visible) = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;
    // The caption of BitBtn1, or the current text of Edit1 or ComboBox1 (empty with no selection).
    virtual std::string text(Control control) const = 0;
    // A label's text, BitBtn1's caption or Edit1's text.
    virtual void setText(Control control, const std::string& text) = 0;
    virtual void appendChoice(const std::string& name) = 0; // to ComboBox1's list
    virtual void clearChoice() = 0;                         // ComboBox1 without a selection
    // Loads a photograph (a program path such as "obr\0\7.jpg") into Image1 or Image3. May throw
    // one of the picture errors; the box then keeps the picture it had.
    virtual void loadPicture(Control box, const std::string& path) = 0;
    virtual void hideQuizWindow() = 0;

    // The start page window.
    virtual void hideStartPage() = 0;
    virtual bool beginnerChecked() const = 0; // RadioButton1
    virtual bool advancedChecked() const = 0; // RadioButton2
    // Turns the start page into the result screen and brings it to the front: visible, normal
    // state, detail box hidden at size 0 × 0, outer size 392 × 183, level group hidden, result
    // group shown, caption "Start page".
    virtual void showResultScreen() = 0;
    virtual void setResultLine(const std::string& text) = 0;
};

} // namespace quiz
