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

QWidget *GuiPrompts::Owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void GuiPrompts::Message(const QString &text, const QString &caption, Icon icon)
{
    OnGuiThread([&] {
        QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
        switch (icon) {
        case Icon::None: break;
        case Icon::Information: boxIcon = QMessageBox::Information; break;
        case Icon::Warning: boxIcon = QMessageBox::Warning; break;
        case Icon::Critical: boxIcon = QMessageBox::Critical; break;
        case Icon::Question: boxIcon = QMessageBox::Question; break;
        }
        QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, Owner());
        box.exec();
        return true;
    });
}

bool GuiPrompts::AskYesNo(const QString &text, const QString &caption)
{
    return OnGuiThread([&] {
        return QMessageBox::question(Owner(), caption, text, QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
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
        QPushButton *save = box.addButton(QStringLiteral("&Apply and save"), QMessageBox::AcceptRole);
        QPushButton *discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
        QPushButton *stay = box.addButton(QStringLiteral("&Stay"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(stay);
        box.exec();
        if (box.clickedButton() == save)
            return SaveChoice::Save;
        if (box.clickedButton() == discard)
            return SaveChoice::Discard;
        return SaveChoice::Stay;
    });
}
