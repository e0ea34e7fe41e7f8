#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "dialogs.h"

namespace zorvanta::testing {

// Answers the program's message boxes and dialogs instead of a person: records every
// message, answers save dialogs from a queue (nothing queued: cancel), and confirms or
// cancels the print dialog.
class ScriptedDialogs : public Dialogs {
  public:
    void showMessage(const QString& text) override {
        messages << text;
        if (whileMessageShown) {
            whileMessageShown();
        }
    }

    std::optional<QString> chooseSavePath(QWidget*, const QString& lastPath) override {
        savePathsOffered << lastPath;
        if (saveAnswers.empty()) {
            return std::nullopt;
        }
        const std::optional<QString> answer = std::move(saveAnswers.front());
        saveAnswers.pop_front();
        return answer;
    }

    bool confirmPrint(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (beforePrintConfirmed) {
            beforePrintConfirmed(printer);
        }
        return printAnswer;
    }

    QStringList messages;
    // Runs while a message box would be open, as the event loop does then.
    std::function<void()> whileMessageShown;

    std::deque<std::optional<QString>> saveAnswers;
    QStringList savePathsOffered;

    bool printAnswer = false;
    int printDialogs = 0;
    std::function<void(QPrinter&)> beforePrintConfirmed;
};

}  // namespace zorvanta::testing
