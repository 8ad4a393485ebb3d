#pragma once

#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "app/CMeterDlg.h"
#include "app/EditorPanel.h"
#include "app/SatelliteList.h"
#include "database/ParamDatabase.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>

// The main window with a database file opened through "Edit parameters", and its files.
struct EditorFixture {
    // Bytes into a new file in the temporary folder.
    QString WriteFile(const QString &name, const QByteArray &bytes);
    void Open(const QString &path); // chosen in the file chooser, then "Edit parameters"
    // Shows the window and opens a new sample file with it; returns the file's path.
    QString OpenSample(const QString &name = QStringLiteral("a.bin"), quint32 seed = 7);
    int Slot(int row) const; // of the satellite in that row of the list
    void Click(const char *buttonName);
    void SelectSatellite(int row, Qt::KeyboardModifiers modifiers = {});
    // Plays a script at the window: the transponder grid's inputs (GridScript.h), "button:name"
    // and "sat:row" (a click on the satellite's entry); `other` takes the tokens it knows first.
    void Play(const QStringList &tokens, const std::function<bool(const QString &)> &other = {});
    QStringList Row(int row) const; // texts of columns 0..3
    std::unique_ptr<ParamDatabase> LoadFile(const QString &path); // afresh; null if refused

    RecordingPrompts prompts;
    TempDataHome data; // the window's backups
    QTemporaryDir dir;
    std::unique_ptr<CMeterDlg> dlg = std::make_unique<CMeterDlg>(prompts);
};
