// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frontends/qt/ControlView.h"
#include "frontends/qt/ListModel.h"
#include "frontends/qt/TextStorages.h"
#include "kit/Controls.h"

#include <QGroupBox>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class QAbstractButton;

namespace norvik::qt {

class QtPlatform;

class LabelView : public ControlView {
public:
    LabelView(Label& label, QWidget& parent);

protected:
    void syncOwn() override;
    void applyGeometry() override;
    void applyColors() override;

private:
    Label& label_;
    QLabel& widget_;
    Text caption_;
    bool first_ = true;
};

class ButtonView : public ControlView {
public:
    ButtonView(QtPlatform& platform, Button& button, QWidget& parent);

protected:
    void syncOwn() override;

private:
    Button& button_;
    QAbstractButton& widget_;
    Text caption_;
    bool first_ = true;
};

// A check box or an option: a caption that fits itself into its row and a
// mark the widget shows as the kit control holds it.
class ChoiceView : public ControlView {
public:
    ChoiceView(Control& control, QAbstractButton& widget);

protected:
    void syncOwn() override;
    void applyColors() override;
    void applyGeometry() override;
    // The fitting may draw the caption narrower: the font goes with the geometry.
    void applyFont() override { applyGeometry(); }
    void refit() override { applyGeometry(); }
    virtual bool checked() const = 0;

private:
    QAbstractButton& widget_;
    Text caption_;
    bool first_ = true;
};

class CheckBoxView : public ChoiceView {
public:
    CheckBoxView(QtPlatform& platform, CheckBox& box, QWidget& parent);

protected:
    bool checked() const override { return box_.checked(); }

private:
    CheckBox& box_;
};

class RadioButtonView : public ChoiceView {
public:
    RadioButtonView(QtPlatform& platform, RadioButton& button, QWidget& parent);

protected:
    bool checked() const override { return button_.checked(); }

private:
    RadioButton& button_;
};

// A frame drawn as the desktop's classic group box: an etched rectangle with
// the caption on its top edge, in the font colour on the frame's colour.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class GroupBoxView : public ControlView {
public:
    GroupBoxView(GroupBox& box, QWidget& parent);

protected:
    void syncOwn() override;
    void applyColors() override;

private:
    GroupBox& box_;
    FrameBox& widget_;
    Text caption_;
    bool first_ = true;
};

class ImageView : public ControlView {
public:
    ImageView(Image& image, QWidget& parent);

protected:
    void syncOwn() override;

private:
    Image& image_;
    QLabel& widget_;
    std::string picture_;
    QSize size_;
};

class EditView : public ControlView {
public:
    EditView(QtPlatform& platform, Edit& edit, QWidget& parent);
    ~EditView() override;

protected:
    void syncOwn() override;
    void applyColors() override;

private:
    Edit& edit_;
    QLineEdit& widget_;
    LineEditStorage* storage_ = nullptr;
};

class MemoView : public ControlView {
public:
    MemoView(QtPlatform& platform, Memo& memo, QWidget& parent);
    ~MemoView() override;

protected:
    void syncOwn() override;
    void applyColors() override;

private:
    Memo& memo_;
    NotesEdit& widget_;
    bool first_ = true;
    bool wordWrap_ = false;
    bool scrollBar_ = false;
    bool readOnly_ = false;
};

class ListBoxView : public ControlView {
public:
    ListBoxView(QtPlatform& platform, ListBox& list, QWidget& parent);

protected:
    void syncOwn() override;
    void applyColors() override;

private:
    void applyState();
    // The view changed the list's state itself: nothing to re-apply.
    void noteOwnChange();

    QtPlatform& platform_;
    ListBox& list_;
    ListView& widget_;
    ListModel* model_;
    std::uint64_t items_ = 0;
    std::uint64_t state_ = 0;
    bool first_ = true;
    bool applying_ = false;
    bool multiSelect_ = false;
    bool due_ = false;
};

class ComboBoxView : public ControlView {
public:
    ComboBoxView(QtPlatform& platform, ComboBox& combo, QWidget& parent);

protected:
    void syncOwn() override;
    void applyColors() override;

private:
    void fitPopupWidth();

    QtPlatform& platform_;
    ComboBox& combo_;
    QComboBox& widget_;
    Lines items_;
    Text text_;
    bool editable_ = false;
    bool first_ = true;
    bool applying_ = false;
};

class UpDownView : public ControlView {
public:
    UpDownView(QtPlatform& platform, UpDown& upDown, QWidget& parent);

protected:
    void applyGeometry() override;

private:
    UpDown& upDown_;
    QAbstractButton* up_;
    QAbstractButton* down_;
};

class DatePickerView : public ControlView {
public:
    DatePickerView(QtPlatform& platform, DatePicker& picker, QWidget& parent);

protected:
    void syncOwn() override;
    void applyColors() override;

private:
    DatePicker& picker_;
    QDateEdit& widget_;
    DateTime shown_;
    bool first_ = true;
    bool applying_ = false;
};

} // namespace norvik::qt
