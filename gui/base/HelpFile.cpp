#include "gui/base/HelpFile.h"

#include <QProcess>

#include "core/res/StringIds.h"
#include "gui/base/MessageBox.h"

namespace {
void ReportNoHelp()
{
    AfxMessageBox(IDP_NO_HTML_HELP, MB_ICONEXCLAMATION);
}
} // namespace

void OpenHelpFile(const QString& strPath, QObject& owner)
{
    // xdg-open tells by its exit status whether a program took the file; Qt's own opener
    // starts it detached and never hears.
    auto* pOpener = new QProcess(&owner);
    pOpener->setStandardOutputFile(QProcess::nullDevice());
    pOpener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(pOpener, &QProcess::finished, pOpener, [pOpener](int nExitCode, QProcess::ExitStatus status) {
        pOpener->deleteLater();
        if (status != QProcess::NormalExit || nExitCode != 0)
            ReportNoHelp();
    });
    QObject::connect(pOpener, &QProcess::errorOccurred, pOpener, [pOpener](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        pOpener->deleteLater();
        ReportNoHelp();
    });
    pOpener->start(QStringLiteral("xdg-open"), {strPath});
}
