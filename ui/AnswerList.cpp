#include "AnswerList.h"

#include "Fonts.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QListView>

#include <algorithm>

namespace ui {
namespace {

constexpr int MostEntriesShown = 30;
constexpr qint64 PrefixPause = 500; // milliseconds

} // namespace

AnswerList::AnswerList(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(MostEntriesShown);
    auto* list = new QListView(this);
    list->setUniformItemSizes(true);
    setView(list);
}

// Dropped, the list is as wide as the control and one line per entry high, plus its border.
void AnswerList::showPopup()
{
    QComboBox::showPopup();
    const int entries = std::clamp(count(), 1, MostEntriesShown);
    QWidget* popup = view()->window();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    popup->setGeometry(below.x(), below.y(), width(), entries * lineHeight(font()) + 2);
}

bool AnswerList::searchFor(const QString& prefix)
{
    for (int entry = 0; entry < count(); ++entry) {
        if (itemText(entry).startsWith(prefix, Qt::CaseInsensitive)) {
            setCurrentIndex(entry);
            return true;
        }
    }
    return false;
}

void AnswerList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace) {
        prefix_.chop(1);
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() >= PrefixPause)
        prefix_.clear();
    sinceLastKey_.start();
    if (searchFor(prefix_ + typed))
        prefix_ += typed;
    else
        QComboBox::keyPressEvent(event);
}

} // namespace ui
