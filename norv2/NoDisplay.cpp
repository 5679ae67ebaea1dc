#include "norv2/NoDisplay.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previousHandler = nullptr;
std::vector<HeldMessage> g_held;

void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr, "Norv2: 画面に接続できません%s%s\n",
                     display.isEmpty() ? "" : " DISPLAY=", display.constData());
        std::_Exit(1);
    }
    g_held.push_back({type, QByteArray(context.category), text});
}
} // namespace

void WatchForNoDisplay()
{
    g_previousHandler = qInstallMessageHandler(HoldOrExit);
}

void StopWatchingForNoDisplay()
{
    qInstallMessageHandler(g_previousHandler);
    for (const HeldMessage& m : g_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    g_held.clear();
}
