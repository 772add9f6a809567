// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace norvik::qt {

// The desktop notification that goes with a reminder dialog, through the
// freedesktop notification service on the session bus: a desktop may refuse
// to bring the window forward, but it shows the notification. No bus or no
// service is not an error; the dialog works without it.
class ReminderNotification : public QObject {
public:
    // Sends the notification for an event line (as the list shows it).
    void show(const QString& eventLine);
    // Takes it away again: the reminder was answered.
    void close();

private:
    struct Shown {
        // Given by the service's answer; 0 until it comes.
        unsigned id = 0;
        // Answered before the service's answer came: closed as soon as it does.
        bool closed = false;
    };
    static void sendClose(unsigned id);

    std::shared_ptr<Shown> last_;
};

} // namespace norvik::qt
