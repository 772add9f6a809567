// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/FocusRing.h"

#include "frontends/qt/Look.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

namespace norvik::qt {

namespace {

// The ring's width and the gap between it and the control.
constexpr int ringWidth = 2;
constexpr int gap = 1;

} // namespace

FocusRing::FocusRing(QWidget& client, std::function<QWidget*(QWidget*)> controlOf)
    : QWidget(&client), client_(client), controlOf_(std::move(controlOf)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    hide();
    QObject::connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget* /*old*/, QWidget* now) { follow(now); });
}

FocusRing::~FocusRing() {
    if (target_) {
        target_->removeEventFilter(this);
    }
}

void FocusRing::follow(QWidget* focused) {
    QWidget* control =
        focused != nullptr && client_.isAncestorOf(focused) ? controlOf_(focused) : nullptr;
    if (control != target_) {
        if (target_) {
            target_->removeEventFilter(this);
        }
        target_ = control;
        if (target_) {
            target_->installEventFilter(this);
        }
    }
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible() || target_->parentWidget() == nullptr) {
        hide();
        return;
    }
    if (parentWidget() != target_->parentWidget()) {
        setParent(target_->parentWidget());
    }
    constexpr int reach = ringWidth + gap;
    QRect around = target_->geometry();
    // A check box or an option is framed around its mark and caption, not
    // across the room its design leaves to the right (often under a neighbour).
    if (qobject_cast<QCheckBox*>(target_) != nullptr ||
        qobject_cast<QRadioButton*>(target_) != nullptr) {
        around.setWidth(std::min(around.width(), target_->sizeHint().width()));
    }
    setGeometry(around.adjusted(-reach, -reach, reach, reach));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent* /*event*/) {
    const QWidget* around = parentWidget();
    if (around == nullptr) {
        return;
    }
    QPainter painter(this);
    QPen pen(standOutColor(around->palette().color(QPalette::Window)));
    pen.setWidth(ringWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = ringWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace norvik::qt
