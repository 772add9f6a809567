// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ControlView.h"

#include "frontends/qt/Look.h"
#include "frontends/qt/QtText.h"

#include <QWidget>

namespace norvik::qt {

namespace {

bool sameFont(const Font& a, const Font& b) {
    return a.name == b.name && a.size == b.size && a.color == b.color && a.bold == b.bold &&
           a.italic == b.italic && a.underline == b.underline;
}

} // namespace

ControlView::ControlView(Control& control, QWidget& widget) : control_(control), widget_(widget) {}

void ControlView::sync() {
    const Control& c = control_;
    if (first_ || c.left != left_ || c.top != top_ || c.width != width_ || c.height != height_) {
        left_ = c.left;
        top_ = c.top;
        width_ = c.width;
        height_ = c.height;
        applyGeometry();
    }
    const bool fontChanged = first_ || !sameFont(c.font, font_);
    if (fontChanged || c.caption != fontCaption_) {
        fontCaption_ = c.caption;
        applyFont();
    }
    if (fontChanged || c.color != color_) {
        font_ = c.font;
        color_ = c.color;
        applyColors();
    }
    if (first_ || c.hint != hint_) {
        hint_ = c.hint;
        widget_.setToolTip(toQt(c.hint));
    }
    if (first_ || c.enabled != enabled_) {
        enabled_ = c.enabled;
        widget_.setEnabled(c.enabled);
    }
    syncOwn();
    if (first_ || c.visible != visible_) {
        visible_ = c.visible;
        widget_.setVisible(c.visible);
    }
    first_ = false;
}

void ControlView::applyGeometry() {
    widget_.setGeometry(control_.left, control_.top, control_.width, control_.height);
}

void ControlView::applyFont() {
    widget_.setFont(fontForText(toQt(control_.font), toQt(control_.caption)));
}

void ControlView::applyColors() {
    paintSurface(widget_, control_.color, control_.font.color, false);
}

QString withoutAccelerators(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

} // namespace norvik::qt
