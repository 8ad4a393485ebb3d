#pragma once

#include <QLabel>

// The small tooltip that shows the type-ahead search text; it never takes the focus.
class CGridTypeAheadTip : public QLabel
{
    Q_OBJECT

public:
    explicit CGridTypeAheadTip(QWidget *owner);
    // Shows text with its top-left corner at a screen position.
    void ShowAt(const QString &text, const QPoint &globalPos);
};
