// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "desktop/TAboutBox.h"
#include "desktop/TAboutBox1.h"
#include "desktop/TAboutBox2.h"
#include "kit/Dispatch.h"
#include "kit/Platform.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"
#include "store/FileSystem.h"

namespace norvik {

namespace {

// A reserved example domain until the program has a site of its own.
const char* const programWebPage = "https://norvik.example.org/index.html";

// Said when the desktop has no browser to open the page with; the address
// follows, so that it can be typed elsewhere.
constexpr BuiltInText noBrowser{"Не удалось открыть сайт программы: не найден браузер.",
                                "The program's website could not be opened: no web browser "
                                "was found."};

} // namespace

void TForm1::connectDesktop() {
    N23.onClick = [this] { N23Click(); };
    N21.onClick = [this] { N21Click(); };
    N20.onClick = [this] { N20Click(); };
    N1.onClick = [this] { N1Click(); };
    N2.onClick = [this] { N2Click(); };
    connectTray();
}

void TForm1::N23Click() {
    if (!files().exists(helpFile)) {
        ask(Line::HelpFileMissing, Line::HelpFileMissingTitle, mbError);
        return;
    }
    // The desktop gets the name as it stands on disk: a "Help.chm" found
    // without regard to case opens too on a file system that minds case.
    // Whether a viewer opened it is not reported.
    platform().shellOpen("", resolveName(files().files(), helpFile));
}

void TForm1::N21Click() {
    TAboutBox box(dialogContext());
    box.showModal();
}

void TForm1::N20Click() {
    TAboutBox1 box(dialogContext());
    box.showModal();
}

void TForm1::N1Click() {
    TAboutBox2 box(dialogContext());
    box.showModal();
}

void TForm1::N2Click() {
    if (!platform().shellOpen("open", programWebPage)) {
        platform().messageBox(builtInText(noBrowser, loadedModule_) + " " + programWebPage,
                              applicationTitle, mbInformation);
    }
}

} // namespace norvik
