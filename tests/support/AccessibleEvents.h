#pragma once
#include <QAccessible>
#include <algorithm>
#include <cstring>
#include <vector>

// Records the accessibility events the program sends while it lives, in their order. Qt sends
// them only while assistive technology listens (scripts/with-accessibility-bus.sh).
class CAccessibleEventLog
{
public:
    struct Event
    {
        const QObject* pObject; // compared only: it may be gone
        const char* pszClass;
        QAccessible::Event type;
        int nChild;
    };
    CAccessibleEventLog() { Instance() = this, m_prev = QAccessible::installUpdateHandler(&Record); }
    ~CAccessibleEventLog() { QAccessible::installUpdateHandler(m_prev), Instance() = nullptr; }

    // Events of type from pObject, or from any object of class pszClass.
    long Count(const QObject* pObject, QAccessible::Event type, const char* pszClass = "") const
    {
        return std::count_if(events.begin(), events.end(), [&](const Event& e) {
            return e.type == type && (e.pObject == pObject || std::strcmp(e.pszClass, pszClass) == 0);
        });
    }
    std::vector<Event> events;

private:
    static CAccessibleEventLog*& Instance()
    {
        static CAccessibleEventLog* pLog = nullptr;
        return pLog;
    }
    static void Record(QAccessibleEvent* p)
    {
        const char* pszClass = p->object() ? p->object()->metaObject()->className() : "-";
        Instance()->events.push_back({p->object(), pszClass, p->type(), p->child()});
    }
    QAccessible::UpdateHandler m_prev = nullptr;
};
