#pragma once

#include "common/Prompts.h"

#include <QObject>
#include <QPointer>

class QWidget;

// Prompts shown as real dialogs. Callable from any thread: a worker's call is carried onto the
// GUI thread and blocks the worker until the person has answered. The GUI thread must therefore
// never wait for a worker while that worker may be asking something.
class GuiPrompts final : public QObject, public Prompts
{
    Q_OBJECT
public:
    explicit GuiPrompts(QObject *parent = nullptr);

    // The main window: every box and file chooser is owned by the modal dialog on top, else by
    // it, never by no window (a window manager would then let the always-on-top main window
    // cover it).
    void SetWindow(QWidget *window) { m_window = window; }

    void Message(const QString &text, const QString &caption, Icon icon) override;
    bool AskYesNo(const QString &text, const QString &caption, Icon icon) override;
    bool AskYesNoDefaultNo(const QString &text, const QString &caption, Icon icon) override;
    QString OpenFileName(const QString &filter) override;
    QString SaveFileName(const QString &filter) override;
    SaveChoice AskSaveDiscardStay(const QString &text, const QString &caption) override;
    ChangedChoice AskSaveOverReload(const QString &text, const QString &caption) override;

private:
    template <typename F>
    auto OnGuiThread(F &&f) -> decltype(f());
    QWidget *Owner() const;
    QString Remember(const QString &path);

    QString m_lastDir;
    QPointer<QWidget> m_window;
};
