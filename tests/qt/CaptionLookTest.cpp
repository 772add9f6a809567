// SPDX-License-Identifier: GPL-3.0-or-later
// How the captions of the real dialogs look: each one drawn in a single face
// that has all its letters, whatever face the form names, and the captions of
// the choices whole and clear of their neighbours in the stand-in faces.
#include "QtTestSupport.h"

#include "app/TForm1.h"
#include "events/TMyMessageBoxF.h"
#include "frontends/qt/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QRawFont>

#include <functional>

namespace norvik::qt::test {
namespace {

class CaptionLookTest : public QtProgramTest {
protected:
    void startInRussian() {
        writeFile("System.ini", "MainFormColor=clNavy\nMainFormTextColor=clWhite\n"
                                "NotebookSize=16\nNotebookType=Comic Sans MS\nLangID=0\n");
        start();
    }

    // Runs a command that opens a dialog and looks at the dialog's captions,
    // then closes it.
    void inDialog(const std::function<void()>& command, const std::function<void(QWidget&)>& look) {
        bool looked = false;
        later([&] {
            QWidget* top = platform.topDialog();
            ASSERT_NE(top, nullptr);
            look(*top);
            looked = true;
            top->close();
        });
        run(command);
        EXPECT_TRUE(looked);
    }
};

// The characters of the text the widget's own face lacks.
QString missingLetters(const QWidget& widget, const QString& text) {
    const QRawFont face = QRawFont::fromFont(widget.font());
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isSpace(c) && !face.supportsCharacter(c)) {
            missing += QString::fromUcs4(&c, 1);
        }
    }
    return missing;
}

void expectOneFacePerCaption(QWidget& dialog) {
    int captions = 0;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            ++captions;
            EXPECT_EQ(missingLetters(*label, label->text()), QString())
                << label->text().toStdString() << " in " << label->font().family().toStdString();
        }
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        EXPECT_EQ(missingLetters(*button, button->text()), QString())
            << button->text().toStdString();
    }
    EXPECT_GT(captions, 3);
}

TEST_F(CaptionLookTest, RussianCaptionsInCasualFacesKeepOneFace) {
    startInRussian();
    // The thanks box and the about box name a face without Cyrillic letters
    // for some of their captions.
    inDialog([this] { main().N1Click(); }, expectOneFacePerCaption);
    inDialog([this] { main().N21Click(); }, expectOneFacePerCaption);
}

// Every check box and option shows its whole caption, clear of the
// neighbour to its right.
void expectChoicesFit(QWidget& dialog) {
    int choices = 0;
    for (const QAbstractButton* choice : dialog.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QCheckBox*>(choice) == nullptr &&
            qobject_cast<const QRadioButton*>(choice) == nullptr) {
            continue;
        }
        ++choices;
        const QRect drawn(choice->pos(), QSize(choice->sizeHint().width(), choice->height()));
        EXPECT_LE(drawn.width(), choice->width()) << choice->text().toStdString();
        for (const QObject* child : choice->parentWidget()->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(child);
            if (sibling != nullptr && sibling != choice && sibling->isVisible() &&
                sibling->x() > choice->x()) {
                EXPECT_FALSE(sibling->geometry().intersects(drawn))
                    << choice->text().toStdString() << " runs into the "
                    << sibling->metaObject()->className() << " at " << sibling->x();
            }
        }
    }
    EXPECT_GT(choices, 1);
}

TEST_F(CaptionLookTest, ChoicesShowTheirWholeCaptionsInRussian) {
    startInRussian();
    inDialog([this] { showReminder(main().dialogContext(), main().warningText); },
             expectChoicesFit);
    inDialog([this] { main().ConfigurationsClick(); }, expectChoicesFit);
    inDialog([this] { main().Button5Click(); }, expectChoicesFit);
}

TEST_F(CaptionLookTest, ChoicesShowTheirWholeCaptionsInEnglish) {
    start();
    inDialog([this] { showReminder(main().dialogContext(), main().warningText); },
             expectChoicesFit);
    inDialog([this] { main().ConfigurationsClick(); }, expectChoicesFit);
}

TEST(CaptionFace, OnlyCaptionsTheFaceCannotShowChangeFace) {
    ensureApplication();
    QFont casual(QStringLiteral("Comic Sans MS"));
    casual.setPixelSize(13);
    if (QFontInfo(casual).family() != QStringLiteral("Comic Neue")) {
        GTEST_SKIP() << "Comic Neue is not installed";
    }
    // Latin text keeps the face the form names.
    EXPECT_EQ(fontForText(casual, QStringLiteral("Many thanks")).family(), casual.family());
    const QFont cyrillic = fontForText(casual, QString::fromUtf8("Огромное спасибо: 1024x768"));
    EXPECT_NE(cyrillic.family(), casual.family());
    EXPECT_TRUE(QRawFont::fromFont(cyrillic).supportsCharacter(QChar(0x0436)));
    EXPECT_EQ(cyrillic.pixelSize(), 13);
}

} // namespace
} // namespace norvik::qt::test
