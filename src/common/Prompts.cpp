#include "common/Prompts.h"

#include <QCoreApplication>
#include <atomic>
#include <cstdio>

namespace {

// Without a screen nobody can answer: report on stderr, say No, choose no file.
class StderrPrompts final : public Prompts
{
public:
    void Message(const QString &text, const QString &caption, Icon) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
    }
    bool AskYesNo(const QString &text, const QString &caption, Icon) override
    {
        std::fprintf(stderr, "[%s] %s (answered No)\n", qPrintable(caption), qPrintable(text));
        return false;
    }
    QString OpenFileName(const QString &) override { return {}; }
    QString SaveFileName(const QString &) override { return {}; }
};

StderrPrompts g_stderrPrompts;
std::atomic<Prompts *> g_default{&g_stderrPrompts};

} // namespace

Prompts::SaveChoice Prompts::AskSaveDiscardStay(const QString &text, const QString &caption)
{
    if (AskYesNo(text + QCoreApplication::translate("Prompts", "\n\nApply and save the changes now?"), caption))
        return SaveChoice::Save;
    if (AskYesNo(QCoreApplication::translate("Prompts", "Discard the changes?"), caption))
        return SaveChoice::Discard;
    return SaveChoice::Stay;
}

Prompts::ChangedChoice Prompts::AskSaveOverReload(const QString &text, const QString &caption)
{
    if (AskYesNoDefaultNo(text + QCoreApplication::translate("Prompts", "\n\nSave over it?"), caption))
        return ChangedChoice::SaveOver;
    if (AskYesNoDefaultNo(QCoreApplication::translate("Prompts", "Reload it, dropping the changes made here?"), caption))
        return ChangedChoice::Reload;
    return ChangedChoice::Cancel;
}

Prompts &Prompts::Default()
{
    return *g_default.load();
}

void Prompts::SetDefault(Prompts *prompts)
{
    g_default.store(prompts ? prompts : &g_stderrPrompts);
}
