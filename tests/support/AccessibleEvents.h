#pragma once
#include <QAccessible>
#include <algorithm>
#include <vector>

// Records the accessibility events the program sends while it lives, in their order, as
// assistive technology would receive them.
class CAccessibleEventLog
{
public:
    struct Event
    {
        QObject* pObject;
        QAccessible::Event type;
        int nChild;
    };

    CAccessibleEventLog() : m_bWasActive(QAccessible::isActive())
    {
        Instance() = this;
        QAccessible::setActive(true);
        m_prevHandler = QAccessible::installUpdateHandler(&Record);
    }
    ~CAccessibleEventLog()
    {
        QAccessible::installUpdateHandler(m_prevHandler);
        QAccessible::setActive(m_bWasActive);
        Instance() = nullptr;
    }
    CAccessibleEventLog(const CAccessibleEventLog&) = delete;
    CAccessibleEventLog& operator=(const CAccessibleEventLog&) = delete;

    long Count(const QObject* pObject, QAccessible::Event type) const
    {
        return std::count_if(m_events.begin(), m_events.end(),
                             [&](const Event& e) { return e.pObject == pObject && e.type == type; });
    }
    const std::vector<Event>& Events() const { return m_events; }
    void Clear() { m_events.clear(); }

private:
    static CAccessibleEventLog*& Instance()
    {
        static CAccessibleEventLog* pLog = nullptr;
        return pLog;
    }
    static void Record(QAccessibleEvent* pEvent)
    {
        Instance()->m_events.push_back({pEvent->object(), pEvent->type(), pEvent->child()});
    }

    bool m_bWasActive;
    QAccessible::UpdateHandler m_prevHandler = nullptr;
    std::vector<Event> m_events;
};
