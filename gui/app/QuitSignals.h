#pragma once
#include <QObject>
#include <array>
#include <csignal>

// Turns SIGTERM, SIGINT and SIGHUP into a request, made from the event loop, to end the
// viewer as closing its window does. A second signal ends the program at once, should the
// first not.
class CQuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit CQuitSignals(QObject* parent = nullptr);
    ~CQuitSignals() override;

signals:
    void quitRequested();

private:
    void OnSignalled();

    // What SIGTERM, SIGINT and SIGHUP did before, given back at the end.
    std::array<struct sigaction, 3> m_OldActions{};
    int m_fdRead = -1;
};
