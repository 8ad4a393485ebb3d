#pragma once

#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "app/CMeterDlg.h"
#include "app/EditorPanel.h"
#include "app/SatelliteList.h"
#include "database/ParamDatabase.h"

#include <QTemporaryDir>

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
    // Clicks as a person would: the cell's row becomes the focused, selected row.
    void ClickCell(int row, int column, Qt::KeyboardModifiers modifiers = {});
    void SelectSatellite(int row, Qt::KeyboardModifiers modifiers = {});
    QStringList Row(int row) const; // texts of columns 0..3
    std::unique_ptr<ParamDatabase> LoadFile(const QString &path); // afresh; null if refused

    RecordingPrompts prompts;
    TempDataHome data; // the window's backups
    QTemporaryDir dir;
    std::unique_ptr<CMeterDlg> dlg = std::make_unique<CMeterDlg>(prompts);
};
