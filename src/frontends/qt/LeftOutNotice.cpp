// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/LeftOutNotice.h"

#include "frontends/qt/NotesEdit.h"
#include "frontends/qt/QtText.h"

#include <QLocale>
#include <QTimerEvent>

namespace norvik::qt {

namespace {

// Long enough to read twice.
constexpr int shownFor = 5000;
constexpr int inset = 4;

} // namespace

qsizetype unstorableCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (storable(text[i])) {
            continue;
        }
        ++count;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        }
    }
    return count;
}

LeftOutNotice::LeftOutNotice(NotesEdit& editor) : QLabel(&editor), editor_(editor) {
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAutoFillBackground(true);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    // The text under it stays within reach of the mouse.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QString LeftOutNotice::textFor(qsizetype leftOut, bool russian) {
    return (russian ? QString::fromUtf8("Пропущено символов: %1 (их нет в кодовой странице 1251).")
                    : QStringLiteral("Characters left out: %1 (code page 1251 cannot hold them)."))
        .arg(leftOut);
}

void LeftOutNotice::tell(qsizetype leftOut) {
    setFont(editor_.parentWidget() != nullptr ? editor_.parentWidget()->font() : font());
    setText(textFor(leftOut, QLocale().language() == QLocale::Russian));
    const int width = std::max(1, editor_.width() - 2 * inset);
    const int height = heightForWidth(width);
    setGeometry(inset, std::max(0, editor_.height() - height - inset), width, height);
    raise();
    show();
    shown_.start(shownFor, this);
}

void LeftOutNotice::timerEvent(QTimerEvent* event) {
    if (event->timerId() != shown_.timerId()) {
        QLabel::timerEvent(event);
        return;
    }
    shown_.stop();
    hide();
}

} // namespace norvik::qt
