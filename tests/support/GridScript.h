#pragma once

// Input scripts played at a grid as a hand gives them, and the grid's state in one line.
#include "grid/CGridCtrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QPaintEvent>
#include <QtTest>

#include <functional>

// The grid's focus cell, selected rows and open editor in one line, e.g. "focus 1,2 sel 1 3 edit 1,2".
inline QString State(CGridCtrl &grid)
{
    QString s = QStringLiteral("focus %1,%2 sel").arg(grid.GetFocusRow()).arg(grid.GetFocusColumn());
    for (int row : grid.GetSelectedRows())
        s += QStringLiteral(" %1").arg(row);
    if (grid.IsEditing())
        s += QStringLiteral(" edit %1,%2").arg(grid.GetEditRow()).arg(grid.GetEditColumn());
    return s;
}

// What a widget was asked to paint since it was installed on it, or since `region` was cleared.
struct PaintedRegion : QObject {
    QRegion region;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// Plays inputs, a token each: "click:row,col" (also shift:, ctrl:, right:, and dbl: pressed as a
// hand does it: press, release, press, double click, release), "click@x,y" or "right@x,y" at a
// point of the viewport, "header:column", "type:text", or a key sequence ("Ctrl+End"). Keys and
// text go to an open drop-down list, else to the grid or its editor, whichever has the focus
// (the editor, else the grid, when the focus is elsewhere). `other` takes the tokens it knows
// first; an unknown token ends the run.
inline void Play(CGridCtrl &grid, const QStringList &tokens, const std::function<bool(const QString &)> &other = {})
{
    for (const QString &token : tokens) {
        QWidget *focus = QApplication::focusWidget(), *viewport = grid.viewport();
        QWidget *keys = QApplication::activePopupWidget() ? nullptr
                        : focus && (focus == &grid || grid.isAncestorOf(focus)) ? focus
                        : grid.GetEditor() ? grid.GetEditor() : &grid;
        const auto sep = token.indexOf(QRegularExpression(QStringLiteral("[:@]")));
        const QString verb = token.left(sep), arg = token.mid(sep + 1);
        const QKeySequence sequence = QKeySequence::fromString(token);
        QPoint at(arg.section(QLatin1Char(','), 0, 0).toInt(), arg.section(QLatin1Char(','), 1).toInt());
        QRect cell;
        if (other && other(token)) {
            // the caller's own
        } else if (verb == QLatin1String("type")) {
            QTest::keyClicks(keys, arg);
        } else if (verb == QLatin1String("header")) {
            QHeaderView *h = grid.horizontalHeader();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(at.x()) + h->sectionSize(at.x()) / 2, h->height() / 2));
        } else if (sep < 0 && sequence.count() == 1 && sequence[0].key() != Qt::Key_unknown) {
            QTest::keySequence(keys, sequence);
        } else if (QStringList{"click", "shift", "ctrl", "right", "dbl"}.contains(verb)) {
            if (token[sep] == QLatin1Char(':')) { // row,column
                grid.EnsureRowVisible(at.x());
                if (!grid.GetCellRect(at.x(), at.y(), cell))
                    qFatal("no cell %s", qPrintable(arg));
                at = cell.center();
            }
            const auto mods = verb == QLatin1String("shift") ? Qt::ShiftModifier
                              : verb == QLatin1String("ctrl") ? Qt::ControlModifier : Qt::NoModifier;
            QTest::mouseClick(viewport, verb == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton, mods, at);
            if (verb == QLatin1String("dbl")) {
                QTest::mousePress(viewport, Qt::LeftButton, {}, at);
                QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
                QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
            }
        } else {
            qFatal("unknown input %s", qPrintable(token));
        }
        QCoreApplication::processEvents(); // what the input queued
    }
}
