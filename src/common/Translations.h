#pragma once

#include <QLocale>

class QCoreApplication;

// Installs the program's own translation and Qt's (its dialogs and command-line parser) for
// locale, the system's (LANG, LANGUAGE, LC_ALL) unless told. Ours are built into the program;
// Qt's come from the system's Qt translations, when installed. English needs neither: the source
// texts are English.
void InstallTranslations(QCoreApplication &app, const QLocale &locale = QLocale::system());
