#include "gui/base/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "core/res/LoadSubString.h"
#include "gui/base/DialogAboveBoards.h"

namespace {
MessageBoxRecorder& Recorder()
{
    static MessageBoxRecorder recorder;
    return recorder;
}

int Show(MessageBoxCall call)
{
    if ((call.nType & MB_ICONMASK) == 0)
        call.nType |= MB_ICONEXCLAMATION;
    if (Recorder())
        return Recorder()(call);
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        std::fprintf(stderr, "Norv2: %s\n", call.strText.c_str());
        return IDOK;
    }
    const auto icon =
        (call.nType & MB_ICONMASK) == MB_ICONINFORMATION ? QMessageBox::Information : QMessageBox::Warning;
    QMessageBox box(icon, QStringLiteral("Norv2"), QString::fromStdString(call.strText), QMessageBox::Ok);
    KeepAboveBoards(box);
    box.exec();
    return IDOK;
}
} // namespace

int AfxMessageBox(unsigned nIDPrompt, unsigned nType)
{
    return Show({nIDPrompt, LoadString(nIDPrompt), nType});
}

int AfxMessageBox(const std::string& strText, unsigned nType)
{
    return Show({0, strText, nType});
}

int ReportOutOfMemory()
{
    return AfxMessageBox(std::string("メモリが不足しています。"));
}

void SetMessageBoxRecorder(MessageBoxRecorder recorder)
{
    Recorder() = std::move(recorder);
}
