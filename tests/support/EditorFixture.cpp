#include "EditorFixture.h"

#include "GridScript.h"
#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CTransponderList.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

QString EditorFixture::WriteFile(const QString &name, const QByteArray &bytes)
{
    QString path = dir.filePath(name);
    if (!TestFile::Write(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void EditorFixture::Open(const QString &path)
{
    prompts.QueueFileName(path);
    Click("editButton");
}

QString EditorFixture::OpenSample(const QString &name, quint32 seed)
{
    QString path = WriteFile(name, SampleDatabase::Make({seed}));
    dlg->show();
    Open(path);
    return path;
}

int EditorFixture::Slot(int row) const
{
    return dlg->Editor().SatList()->item(row)->data(SatelliteList::SlotRole).toInt();
}

void EditorFixture::Click(const char *buttonName)
{
    auto *button = dlg->findChild<QPushButton *>(QString::fromLatin1(buttonName));
    if (!button || !button->isVisible())
        qFatal("no button %s to click", buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorFixture::SelectSatellite(int row, Qt::KeyboardModifiers modifiers)
{
    QListWidget *sats = dlg->Editor().SatList();
    QTest::mouseClick(sats->viewport(), Qt::LeftButton, modifiers, sats->visualItemRect(sats->item(row)).center());
}

void EditorFixture::Play(const QStringList &tokens, const std::function<bool(const QString &)> &other)
{
    ::Play(*dlg->Editor().TpList(), tokens, [&](const QString &token) {
        const QString verb = token.section(QLatin1Char(':'), 0, 0), arg = token.section(QLatin1Char(':'), 1);
        if (other && other(token))
            return true;
        if (verb == QLatin1String("button"))
            Click(qPrintable(arg));
        else if (verb == QLatin1String("sat"))
            SelectSatellite(arg.toInt());
        return verb == QLatin1String("button") || verb == QLatin1String("sat");
    });
}

QStringList EditorFixture::Row(int row) const
{
    QStringList texts;
    for (int c = 0; c < 4; ++c)
        texts << dlg->Editor().TpList()->GetItemText(row, c);
    return texts;
}

std::unique_ptr<ParamDatabase> EditorFixture::LoadFile(const QString &path)
{
    auto db = std::make_unique<ParamDatabase>();
    return db->Load(path) ? std::move(db) : nullptr;
}
