#include "gui/app/QuitSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The handler may only write: the event loop reads the other end.
volatile std::sig_atomic_t s_fdWrite = -1;

void OnSignal(int nSignal)
{
    const int nSavedErrno = errno;
    const char byte = static_cast<char>(nSignal);
    [[maybe_unused]] const ssize_t n = ::write(s_fdWrite, &byte, 1);
    errno = nSavedErrno;
}
} // namespace

CQuitSignals::CQuitSignals(QObject* parent) : QObject(parent)
{
    static_assert(kSignals.size() == std::tuple_size_v<decltype(m_OldActions)>);
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds) != 0)
        return;
    m_fdRead = fds[0];
    s_fdWrite = fds[1];
    connect(new QSocketNotifier(m_fdRead, QSocketNotifier::Read, this), &QSocketNotifier::activated, this,
            &CQuitSignals::OnSignalled);

    struct sigaction action
    {
    };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    // A signal ignored from the start stays so (nohup, a background job of a script).
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        if (::sigaction(kSignals[i], nullptr, &m_OldActions[i]) == 0 && m_OldActions[i].sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &action, nullptr);
}

CQuitSignals::~CQuitSignals()
{
    if (m_fdRead < 0)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &m_OldActions[i], nullptr);
    ::close(s_fdWrite);
    s_fdWrite = -1;
    ::close(m_fdRead);
}

void CQuitSignals::OnSignalled()
{
    char bytes[16];
    while (::read(m_fdRead, bytes, sizeof bytes) > 0) {
    }
    emit quitRequested();
}
