#pragma once

#include <QLineEdit>

// The in-place line editor: Enter asks to keep the text, Escape to cancel. At most `limit`
// characters can be typed, but a longer text put in by the grid is shown whole.
class CGridCellEdit : public QLineEdit
{
    Q_OBJECT

public:
    CGridCellEdit(QWidget *parent, int limit);
    // Puts the text in (never cut to the limit) and selects all of it.
    void SetCellText(const QString &text);

signals:
    void endRequested(bool cancelled);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FollowLength();
    int m_limit;
};
