#include "CGridCellEdit.h"

#include <QKeyEvent>

CGridCellEdit::CGridCellEdit(QWidget *parent, int limit) : QLineEdit(parent), m_limit(limit)
{
    setMaxLength(m_limit);
    connect(this, &QLineEdit::textChanged, this, &CGridCellEdit::FollowLength);
}

void CGridCellEdit::SetCellText(const QString &text)
{
    setMaxLength(qMax(m_limit, int(text.size())));
    setText(text);
    selectAll();
}

// A text longer than the limit may only shrink: the allowance follows it down to the limit.
void CGridCellEdit::FollowLength()
{
    const int allowed = qMax(m_limit, int(text().size()));
    if (allowed < maxLength())
        setMaxLength(allowed);
}

void CGridCellEdit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit endRequested(false);
        return;
    case Qt::Key_Escape:
        event->accept();
        emit endRequested(true);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}
