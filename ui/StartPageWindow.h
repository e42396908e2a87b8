#pragma once

#include "ui/framework/TopLevelWindow.h"

class QPushButton;
class QRadioButton;

namespace pictures {
class Picture;
class PictureBox;
}

namespace ui {

class GroupBox;
class Label;

// The start page window. It plays three roles by what it shows: the level choice, the result
// screen at the end of a round, and the maximised detail view of one photograph. Its creation
// handler runs the modal loop inside which the whole run takes place.
class TForm2 : public Form {
    Q_OBJECT

public:
    void loadLayout() override;

    // Controls, in the order the window declares them; created in layout order.
    GroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* Button1 = nullptr;
    GroupBox* GroupBox2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    Label* Label1 = nullptr;
    pictures::PictureBox* Image6 = nullptr;
    pictures::PictureBox* Image1 = nullptr;

    void Image1Click();
    void FormCreate() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void FormClose(CloseAction& action) override;

    // Turns the window into the result screen and brings it to the front.
    void showResultScreen();
    // Turns the window into the maximised detail view of a copy of the picture.
    void showDetailView(const pictures::Picture& picture);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    void bindEvents();
    bool inDetailView() const;
};

// The start page window, set as soon as it is allocated.
extern TForm2* Form2;

} // namespace ui
