#pragma once
#include <QAccessible>
#include <algorithm>
#include <cstring>
#include <vector>

// Records the accessibility events the program sends while it lives, in their order, as
// assistive technology would receive them. Qt sends them only while assistive technology
// listens (scripts/with-accessibility-bus.sh).
class CAccessibleEventLog
{
public:
    struct Event
    {
        QObject* pObject; // compared only: it may be gone
        const char* pszClass;
        QAccessible::Event type;
        int nChild;
    };

    CAccessibleEventLog()
    {
        Instance() = this;
        m_prevHandler = QAccessible::installUpdateHandler(&Record);
    }
    ~CAccessibleEventLog()
    {
        QAccessible::installUpdateHandler(m_prevHandler);
        Instance() = nullptr;
    }
    CAccessibleEventLog(const CAccessibleEventLog&) = delete;
    CAccessibleEventLog& operator=(const CAccessibleEventLog&) = delete;

    long Count(const QObject* pObject, QAccessible::Event type) const
    {
        return std::count_if(m_events.begin(), m_events.end(),
                             [&](const Event& e) { return e.pObject == pObject && e.type == type; });
    }
    long CountOfClass(const char* pszClass, QAccessible::Event type) const
    {
        return std::count_if(m_events.begin(), m_events.end(),
                             [&](const Event& e) { return std::strcmp(e.pszClass, pszClass) == 0 && e.type == type; });
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
        QObject* pObject = pEvent->object();
        Instance()->m_events.push_back(
            {pObject, pObject ? pObject->metaObject()->className() : "", pEvent->type(), pEvent->child()});
    }

    QAccessible::UpdateHandler m_prevHandler = nullptr;
    std::vector<Event> m_events;
};
