#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QScopeGuard>

#include "dialogs.h"
#include "form_style.h"
#include "main_window.h"

namespace zorvanta {

void releasePadTexts(PadTexts& pads) {
    pads.release();
}

int startProgram(int argc, char** argv) {
    PadTexts pads;
    // Registered before anything else, run once after the window has gone.
    const auto exitRoutine = qScopeGuard([&pads] { releasePadTexts(pads); });

    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zorvanta-256.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorvanta.Zorvanta"));
    useFormStyle();
    QtDialogs dialogs;
    MainWindow window(pads, dialogs);
    window.onWindowCreated();
    window.onWindowSizeChanged();
    window.show();
    QApplication::exec();
    return 0;
}

}  // namespace zorvanta
