#include "CGridTypeAheadTip.h"

CGridTypeAheadTip::CGridTypeAheadTip(QWidget *owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setTextFormat(Qt::PlainText);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(2);
}

void CGridTypeAheadTip::ShowAt(const QString &text, const QPoint &globalPos)
{
    setText(text);
    adjustSize();
    move(globalPos);
    show();
}
