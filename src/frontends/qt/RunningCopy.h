// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

namespace norvik::qt {

// Starting the windowed program again in a data directory where it already
// runs brings the running window to the front instead of refusing. The copies
// meet at a local socket in the user's own runtime directory, named by a hash
// of the data directory's path: never in the data directory itself, where a
// co-user of a shared folder could take the name. Only the same user's
// copies are answered, and only the same user's copy is believed.
class RunningCopy {
public:
    enum class Answer {
        CameForward, // a running copy took the request
        NoneRunning, // nothing listens there (perhaps a socket a crash left behind)
        NoAnswer,    // something is there but did not answer in time, or not ours
    };

    // The socket for a data directory; empty where the user has no private
    // runtime directory ($XDG_RUNTIME_DIR, the user's own and closed to others).
    static QString socketPath(const QString& dataDirectory);
    // Asks the copy listening at the socket to come forward.
    static Answer askToComeForward(const QString& socketPath);

    // Listens at the socket for copies started later; each request runs
    // onRequest, then the copy that asked is told. A socket a crashed copy
    // left behind is replaced.
    RunningCopy(const QString& socketPath, std::function<void()> onRequest);
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    bool listening() const { return server_.isListening(); }

private:
    void answer();

    QLocalServer server_;
    std::function<void()> onRequest_;
};

} // namespace norvik::qt
