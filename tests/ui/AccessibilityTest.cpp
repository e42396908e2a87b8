#include "ProgramRun.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"

#include "pictures/PictureBox.h"
#include "quiz/GrassTables.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <iterator>
#include <map>

// What screen readers are told at each step of a round: the tree of shown nodes against the
// tables of tests/accessibility/trees.txt, which the run over the desktop's accessibility bus
// checks too.
namespace {

using ui::quizWindow;
using ui::startPageWindow;

// The names the desktop's accessibility bus gives the roles, so that one table serves both.
QString roleName(QAccessible::Role role)
{
    static const std::map<QAccessible::Role, QString> names {
        {QAccessible::Window, "frame"},           {QAccessible::Grouping, "panel"},
        {QAccessible::StaticText, "label"},       {QAccessible::Graphic, "image"},
        {QAccessible::PushButton, "push button"}, {QAccessible::RadioButton, "radio button"},
        {QAccessible::ComboBox, "combo box"},     {QAccessible::EditableText, "text"},
    };
    const auto found = names.find(role);
    return found == names.end() ? QString("role %1").arg(role) : found->second;
}

QString nodeLine(QAccessibleInterface& node)
{
    const QAccessible::State state = node.state();
    QStringList states;
    for (const auto& [on, word] : {std::pair {state.checked, "checked"}, {state.defaultButton, "default"},
                                   {state.disabled, "disabled"}}) {
        if (on)
            states.append(word);
    }
    QString line = roleName(node.role()) + " \"" + node.text(QAccessible::Name).replace('\n', "\\n") + '"';
    if (const QString description = node.text(QAccessible::Description); !description.isEmpty())
        line += " (" + description + ')';
    if (!states.isEmpty())
        line += " [" + states.join(", ") + ']';
    return line;
}

void addShownNodes(QAccessibleInterface& node, int depth, QStringList& lines)
{
    if (node.state().invisible)
        return;
    lines.append(QString(2 * depth, ' ') + nodeLine(node));
    for (int index = 0; index < node.childCount(); ++index)
        addShownNodes(*node.child(index), depth + 1, lines);
}

// The system lists the shown windows in an order of its own (Wine's is not Linux's): trees are
// compared window by window, in the order of their text.
std::string inWindowOrder(const QStringList& lines)
{
    QStringList windows;
    for (const QString& line : lines) {
        if (windows.isEmpty() || !line.startsWith(' '))
            windows.append(line);
        else
            windows.last() += '\n' + line;
    }
    windows.sort();
    return windows.join('\n').toStdString();
}

std::string shownTree()
{
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QStringList lines;
    for (int index = 0; index < application->childCount(); ++index)
        addShownNodes(*application->child(index), 0, lines);
    return inWindowOrder(lines);
}

// Which control has the focus is a matter of the window system's activation, which the
// offscreen platform does not give; the run on a real X server checks it.
QString withoutFocus(QString line)
{
    static const QRegularExpression focused(R"( \[focused\]$|focused, |, focused)");
    return line.remove(focused);
}

std::string expectedTree(const QString& step)
{
    // Read as the other tests read committed files, so that the path also works under Wine.
    std::ifstream file(ZORVENKA_SOURCE_DIR "/tests/accessibility/trees.txt", std::ios::binary);
    EXPECT_TRUE(file.is_open());
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    QStringList lines;
    bool inStep = false;
    for (const QString& line : QString::fromUtf8(text.data(), qsizetype(text.size())).split('\n')) {
        if (line.startsWith('['))
            inStep = line == '[' + step + ']';
        else if (inStep && !line.isEmpty() && !line.startsWith('#'))
            lines.append(withoutFocus(line));
    }
    EXPECT_FALSE(lines.isEmpty()) << "no step " << step.toStdString();
    return inWindowOrder(lines);
}

QString valueOf(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Value);
}

using AccessibilityTest = ProgramRun;

TEST_F(AccessibilityTest, ARoundAtTheBeginnerLevelIsToldStepByStep)
{
    run([&] {
        EXPECT_EQ(shownTree(), expectedTree("level choice"));
        QTest::keyClick(startPageWindow->beginner, Qt::Key_Return);
        EXPECT_EQ(shownTree(), expectedTree("intro"));
        endIntro();
        EXPECT_EQ(shownTree(), expectedTree("question 1, beginner"));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(quizWindow->pickedAnswer)->child(0);
        ASSERT_EQ(list->childCount(), quiz::ItemCount);
        for (int entry = 0; entry < quiz::ItemCount; ++entry)
            EXPECT_EQ(list->child(entry)->text(QAccessible::Name).toStdString(), quiz::ChoiceNames[entry]);
        quizWindow->pickedAnswer->setCurrentIndex(2);
        EXPECT_EQ(valueOf(quizWindow->pickedAnswer).toStdString(), quiz::ChoiceNames[2]);

        answer(false);
        EXPECT_EQ(shownTree(), expectedTree("correction of question 1"));
        for (int question = 2; question <= quiz::ItemCount; ++question) {
            pressEnter(); // NEXT
            answer(false);
        }
        pressEnter(); // to the result screen
        EXPECT_EQ(shownTree(), expectedTree("result"));

        QTest::keyClick(startPageWindow, Qt::Key_Return); // "Znovu"
        QTest::keyClick(startPageWindow, Qt::Key_Return); // "OK"
        QTest::mouseClick(quizWindow->plantPhoto, Qt::LeftButton);
        EXPECT_EQ(shownTree(), expectedTree("detail view"));
        startPageWindow->close();
    });
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(AccessibilityTest, TheTypedAnswerIsToldByNameAndValue)
{
    run([&] {
        endIntro();
        QTest::mouseClick(startPageWindow->advanced, Qt::LeftButton);
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        EXPECT_EQ(shownTree(), expectedTree("question 1, advanced"));
        QTest::keyClicks(quizWindow->typedAnswer, "Trava");
        EXPECT_EQ(valueOf(quizWindow->typedAnswer), "Trava");
        quizWindow->close();
    });
}

} // namespace
