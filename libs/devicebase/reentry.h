#ifndef REENTRY_H
#define REENTRY_H

#include <QObject>
#include <QPointer>

// How the device code survives its own nested event loops.
//
// The camera protocol waits by running event loops (a reply still arriving, a message box, the choice
// between cameras), and any slot may run inside them: when the outer call resumes, its object may have
// been deleted, or closed, or closed and opened again. LensFeed, Commander and Junction guard every such
// call the same way:
//
//     const Reentry::Guard guard(this, &m_sessions); // on entry
//     emit somethingHappened();                      // or a wait, or a box
//     if (!guard.sameSession())                      // deleted, or closed (and reopened) meanwhile
//         return;
//
// and mark work that must not be entered again while it runs (a close under way, a hand-over whose
// handler has not returned) with a Section entered through a Scope. Nothing here touches memory of an
// object that was deleted inside the guarded call.
namespace Reentry {

// The opens and closes of a device object, counted: each one starts a new session.
class Sessions {
public:
    void next() { ++m_count; }
    quint64 current() const { return m_count; }

private:
    quint64 m_count = 0;
};

// Taken on entry to a call that runs a nested event loop, or emits a signal whose receivers may.
class Guard {
public:
    explicit Guard(QObject* self, const Sessions* sessions = nullptr)
        : m_self(self), m_sessions(sessions), m_session(sessions ? sessions->current() : 0)
    {
    }

    // The object still exists.
    bool alive() const { return !m_self.isNull(); }
    // The object still exists and was neither closed nor opened since the guard was taken.
    bool sameSession() const { return alive() && (!m_sessions || m_sessions->current() == m_session); }
    quint64 session() const { return m_session; }

private:
    QPointer<QObject> m_self;
    const Sessions* m_sessions;
    quint64 m_session;
};

// Work under way that a nested call must not start again; busy() while any Scope is in it.
class Section {
public:
    bool busy() const { return m_depth > 0; }

private:
    friend class Scope;
    int m_depth = 0;
};

// Inside a Section from construction until leave() or the end of the block. When the owner was
// deleted meanwhile, the section went with it and is left alone.
class Scope {
public:
    Scope(QObject* owner, Section& section) : m_owner(owner), m_section(&section) { ++section.m_depth; }
    ~Scope() { leave(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    void leave()
    {
        if (m_section && m_owner)
            --m_section->m_depth;
        m_section = nullptr;
    }

private:
    QPointer<QObject> m_owner;
    Section* m_section;
};

} // namespace Reentry

#endif // REENTRY_H
