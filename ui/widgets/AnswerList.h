#pragma once

#include <QComboBox>
#include <QElapsedTimer>

namespace ui {

// The beginner's drop-down list: entries are only picked, never typed. Typing searches the
// entries by a prefix that a pause of half a second starts afresh; the dropped list shows up to
// thirty entries of one line each.
class AnswerList : public QComboBox {
    Q_OBJECT

public:
    explicit AnswerList(QWidget* parent);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typeAhead(const QKeyEvent& event);
    bool searchFor(const QString& prefix);

    QString prefix_;
    QElapsedTimer sinceLastKey_;
};

} // namespace ui
