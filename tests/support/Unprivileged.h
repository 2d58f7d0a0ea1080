#pragma once
// While it exists, the process works as an unprivileged user (nobody), so a
// read-only file or folder refuses writes even when the tests run as root,
// as they do in CI. Files the test makes must be readable by that user.

#include <QtGlobal>

#include <unistd.h>

class Unprivileged
{
public:
    // Both the real and the effective user change (what access() and the
    // file system see), while the saved one stays root to come back.
    Unprivileged()
    {
        if (geteuid() == 0)
            m_active = setresuid(65534, 65534, 0) == 0;
    }
    ~Unprivileged()
    {
        if (m_active && setresuid(0, 0, 0) != 0)
            qFatal("cannot return to the original user");
    }
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

private:
    bool m_active = false;
};
