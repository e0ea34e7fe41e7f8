#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <optional>

#include "dialogs.h"
#include "form_style.h"
#include "main_window.h"
#include "pad_texts.h"

namespace zorvanta::bench {

class SilentDialogs : public Dialogs {
  public:
    void showMessage(const QString&) override {}
    std::optional<QString> chooseSavePath(QWidget*, const QString&) override { return {}; }
    bool confirmPrint(QWidget*, QPrinter&) override { return false; }
};

// Runs on the offscreen platform unless QT_QPA_PLATFORM names another; call before the
// application object is made.
inline void preferOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// The main window started and shown as the program does it, with the hundred range chosen
// and a count in the count field that no batch here reaches.
struct BenchWindow {
    BenchWindow() {
        useFormStyle();
        window.onWindowCreated();
        window.onWindowSizeChanged();
        window.show();
        shown = QTest::qWaitForWindowExposed(&window);
        if (!shown) {
            std::fprintf(stderr, "the window was not shown\n");
            return;
        }
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("单选框6")), Qt::LeftButton);
        window.findChild<QLineEdit*>(QStringLiteral("编辑框2"))
            ->setText(QStringLiteral("1000000000"));
    }

    PadTexts pads;
    SilentDialogs dialogs;
    MainWindow window{pads, dialogs};
    bool shown = false;
};

}  // namespace zorvanta::bench
