#pragma once

#include "ui/framework/TopLevelWindow.h"

class QPushButton;
class QRadioButton;

namespace pictures {
class PictureBox;
}

namespace ui {

class GroupBox;
class Label;

// The start page window. It plays three roles by what it shows: the level choice, the result
// screen at the end of a round, and the maximised detail view of one photograph. Its creation
// handler runs the modal loop inside which the whole run takes place.
class StartPageWindow : public TopLevelWindow {
    Q_OBJECT

public:
    void loadLayout() override;

    // Controls, in the order the window declares them; created in layout order.
    GroupBox* levelPanel = nullptr;
    QRadioButton* beginner = nullptr;
    QRadioButton* advanced = nullptr;
    QPushButton* startButton = nullptr;
    GroupBox* resultPanel = nullptr;
    QPushButton* endButton = nullptr;
    QPushButton* againButton = nullptr;
    Label* resultLine = nullptr;
    pictures::PictureBox* wedge = nullptr;
    pictures::PictureBox* detailPhoto = nullptr;

    void closeDetailView();
    void created() override;
    void startRound();
    void endProgram();
    void playAgain();
    void closeRequested(CloseAction& action) override;

    // Turns the window into the result screen and brings it to the front.
    void showResultScreen();
    // Turns the window into the maximised detail view of a copy of the photograph, which it
    // also names as the photograph's box does.
    void showDetailView(const pictures::PictureBox& photograph);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    void describeToScreenReaders();
    void bindEvents();
    bool inDetailView() const;
};

// The start page window, set as soon as it is allocated.
extern StartPageWindow* startPageWindow;

} // namespace ui
