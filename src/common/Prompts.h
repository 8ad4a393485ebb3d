#pragma once

#include <QCoreApplication>
#include <QString>

// How the program speaks to the person at the screen: OK boxes, Yes/No questions and file
// choosers. The GUI shows real dialogs (from any thread, by a blocking call onto the GUI thread);
// tests answer from a script. Core code never includes a widget header, only this.
class Prompts
{
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~Prompts() = default;

    // A modal message with an OK button only.
    virtual void Message(const QString &text, const QString &caption, Icon icon = Icon::None) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool AskYesNo(const QString &text, const QString &caption, Icon icon = Icon::Question) = 0;
    // The same question where Yes risks something: No is the default answer (Enter takes it).
    // Unless overridden, asked as AskYesNo.
    virtual bool AskYesNoDefaultNo(const QString &text, const QString &caption, Icon icon = Icon::Warning)
    {
        return AskYesNo(text, caption, icon);
    }
    // File choosers with a filter such as kDataFileFilter; an empty string when cancelled.
    virtual QString OpenFileName(const QString &filter) = 0;
    virtual QString SaveFileName(const QString &filter) = 0;

    // Work that is not in its file yet: keep it (apply and save), drop it, or go back to it.
    // The text states the situation; the answers are the prompt's own. Unless overridden, asked
    // as two Yes/No questions: "Apply and save?", then "Discard?" (No to both means stay).
    enum class SaveChoice { Save, Discard, Stay };
    virtual SaveChoice AskSaveDiscardStay(const QString &text, const QString &caption);

    // Another program changed a file after it was opened here: save over that change, reload the
    // file (dropping the work here), or neither; the default is Cancel, which changes nothing.
    // Unless overridden, asked as "Save over it?", then "Reload it?", No the default of both.
    enum class ChangedChoice { SaveOver, Reload, Cancel };
    virtual ChangedChoice AskSaveOverReload(const QString &text, const QString &caption);

    // The process-wide prompts: a plain stderr reporter until the application installs its own.
    static Prompts &Default();
    static void SetDefault(Prompts *prompts);
};

// Caption of the application's own message boxes.
inline const char *const kAppTitle = "Orbivane";
// Filter of every database and update file chooser.
inline const char *const kDataFileFilter = QT_TRANSLATE_NOOP("Prompts", "Data Files (*.bin);;All Files (*)");
