#pragma once

#include <QObject>

class DatabaseDocument;
class EditorPanel;
class Prompts;
class QWidget;

// The open database fitted to a site: File > Plan for a site... (the plan dialog, applied as one
// undo step) and File > Export pointing sheet... (the PDF an installer takes to the roof).
class PlanCommands : public QObject
{
    Q_OBJECT
public:
    PlanCommands(DatabaseDocument &doc, EditorPanel &editor, Prompts &prompts, QWidget *window);

    void OnPlanForSite();
    void OnExportSheet();

private:
    DatabaseDocument &m_doc;
    EditorPanel &m_editor;
    Prompts &m_prompts;
    QWidget *m_window;
};
