#include "app/DesktopOpener.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

QString &DesktopOpener::Override()
{
    static QString program;
    return program;
}

void DesktopOpener::SetProgram(const QString &program)
{
    Override() = program;
}

QString DesktopOpener::Program()
{
    if (!Override().isEmpty())
        return Override();
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return {};
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

void DesktopOpener::Open(const QString &path, QObject *context, const std::function<void()> &notOpened)
{
    const QString program = Program();
    if (program.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            notOpened();
        return;
    }
    // Owned by the application, not the window: xdg-open may wait for the viewer it starts, and
    // closing the window must not take the viewer with it.
    auto *process = new QProcess(qApp);
    const QPointer<QObject> alive(context);
    auto ended = [process, alive, notOpened](bool opened) {
        process->disconnect();
        process->deleteLater();
        if (!opened && alive)
            notOpened();
    };
    QObject::connect(process, &QProcess::finished, process, [ended](int code, QProcess::ExitStatus status) {
        ended(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [ended](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(false);
    });
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(program, {path});
}
