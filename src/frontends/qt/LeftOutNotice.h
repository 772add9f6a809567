// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QLabel>

namespace norvik::qt {

class NotesEdit;

// The number of characters the code page could not hold, counted as the
// user sees them: a character outside the basic plane is one.
qsizetype unstorableCount(const QString& text);

// A short notice at the foot of the notes that a paste left characters out.
// It takes no input and goes away by itself. Its text is built in, in the
// language the loaded module chose (the default locale follows it), since
// the language modules have no line for it.
class LeftOutNotice : public QLabel {
public:
    explicit LeftOutNotice(NotesEdit& editor);

    void tell(qsizetype leftOut);
    static QString textFor(qsizetype leftOut, bool russian);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    NotesEdit& editor_;
    QBasicTimer shown_;
};

} // namespace norvik::qt
