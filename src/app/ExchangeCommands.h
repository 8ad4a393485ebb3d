#pragma once

#include <QObject>

class Backups;
class DatabaseDocument;
class EditorPanel;
class ImportPlan;
class Prompts;
class QWidget;

// The open database's exchange with other files: File > Import, Export and Compare with file,
// Edit > Remove duplicate transponders, and the tint on the shown rows that repeat an earlier one.
// The dialogs they open are owned by the window.
class ExchangeCommands : public QObject
{
    Q_OBJECT
public:
    ExchangeCommands(DatabaseDocument &doc, EditorPanel &editor, Backups &backups, Prompts &prompts, QWidget *window);

    void OnImport();
    void OnExport();
    void OnCompareWithFile();
    // The compare window between the open database and the file at path (a backup, too),
    // owned by owner when given (a modal dialog), else by the window.
    void CompareWithFile(const QString &path, QWidget *owner = nullptr);
    void OnRemoveDuplicates();

private:
    void ApplyImport(const ImportPlan &plan);

    DatabaseDocument &m_doc;
    EditorPanel &m_editor;
    Backups &m_backups;
    Prompts &m_prompts;
    QWidget *m_window;
};
