#pragma once

#include <QTest>
#include <QWidget>
#include <memory>

#include "form_style.h"
#include "main_window.h"
#include "pad_texts.h"
#include "scripted_dialogs.h"

namespace zorvanta::testing {

// A main window started as the program starts it, in the program's style, shown and active,
// with its dialogs answered by the test.
struct StartedWindow {
    StartedWindow() {
        useFormStyle();
        window = std::make_unique<MainWindow>(pads, dialogs);
        window->onWindowCreated();
        window->onWindowSizeChanged();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Widget = QWidget>
    Widget* control(const char* formName) const {
        return window->findChild<Widget*>(QString::fromUtf8(formName));
    }

    PadTexts pads;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace zorvanta::testing
