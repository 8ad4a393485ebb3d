#include "app/GuiPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

// File choosers open where the person last chose a file, at first in the home folder: the
// program's working folder is where its manual lies, not where the person keeps databases.
GuiPrompts::GuiPrompts(QObject *parent) : QObject(parent), m_lastDir(QDir::homePath()) {}

QString GuiPrompts::Remember(const QString &path)
{
    if (!path.isEmpty())
        m_lastDir = QFileInfo(path).absolutePath();
    return path;
}

template <typename F>
auto GuiPrompts::OnGuiThread(F &&f) -> decltype(f())
{
    if (QThread::currentThread() == thread())
        return f();
    decltype(f()) result{};
    QMetaObject::invokeMethod(this, [&] { result = f(); }, Qt::BlockingQueuedConnection);
    return result;
}

QWidget *GuiPrompts::Owner() const
{
    // The top of the modal stack, whether or not it has the focus: the transfer dialog while a
    // transfer runs, the editor dialog while it is open. Before the main window runs its loop,
    // the main window itself.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_window ? m_window.data() : QApplication::activeWindow();
}

namespace {

QMessageBox::Icon BoxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::None: break;
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Warning: return QMessageBox::Warning;
    case Prompts::Icon::Critical: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void GuiPrompts::Message(const QString &text, const QString &caption, Icon icon)
{
    OnGuiThread([&] {
        QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, Owner());
        box.setTextFormat(Qt::PlainText); // file contents and device names are never markup
        box.exec();
        return true;
    });
}

bool GuiPrompts::AskYesNo(const QString &text, const QString &caption, Icon icon)
{
    return OnGuiThread([&] {
        QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, Owner());
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    });
}

bool GuiPrompts::AskYesNoDefaultNo(const QString &text, const QString &caption, Icon icon)
{
    return OnGuiThread([&] {
        QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, Owner());
        box.setDefaultButton(QMessageBox::No);
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    });
}

QString GuiPrompts::OpenFileName(const QString &filter)
{
    return OnGuiThread([&] {
        return Remember(QFileDialog::getOpenFileName(Owner(), QString(), m_lastDir, filter));
    });
}

QString GuiPrompts::SaveFileName(const QString &filter)
{
    // Replacing an existing file is confirmed: a read into the wrong file would lose it.
    return OnGuiThread([&] {
        return Remember(QFileDialog::getSaveFileName(Owner(), QString(), m_lastDir, filter));
    });
}

Prompts::SaveChoice GuiPrompts::AskSaveDiscardStay(const QString &text, const QString &caption)
{
    return OnGuiThread([&] {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, Owner());
        QPushButton *save = box.addButton(tr("&Apply and save"), QMessageBox::AcceptRole);
        QPushButton *discard = box.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
        QPushButton *stay = box.addButton(tr("&Stay"), QMessageBox::RejectRole);
        // Enter takes the answer that changes nothing: a second Enter must not save and quit.
        box.setDefaultButton(stay);
        box.setEscapeButton(stay);
        box.exec();
        if (box.clickedButton() == save)
            return SaveChoice::Save;
        if (box.clickedButton() == discard)
            return SaveChoice::Discard;
        return SaveChoice::Stay;
    });
}

Prompts::ChangedChoice GuiPrompts::AskSaveOverReload(const QString &text, const QString &caption)
{
    return OnGuiThread([&] {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, Owner());
        QPushButton *save = box.addButton(tr("&Save over it"), QMessageBox::DestructiveRole);
        QPushButton *reload = box.addButton(tr("&Reload"), QMessageBox::DestructiveRole);
        QPushButton *cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(cancel); // Enter changes nothing
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save)
            return ChangedChoice::SaveOver;
        return box.clickedButton() == reload ? ChangedChoice::Reload : ChangedChoice::Cancel;
    });
}
