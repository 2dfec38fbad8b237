#pragma once
// A scripted stand-in for the message boxes and file dialogs: answers are queued by the test,
// everything the program said is recorded.

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <stdexcept>

#include "ui/common/prompter.h"

namespace corvane::testing {

class FakePrompter final : public Prompter {
public:
    struct Dialog {
        QString title, initialName, filter;
    };

    QStringList told;            // every OK message, in order
    QStringList asked;           // every question, in order
    QStringList askedDefaultNo;  // the questions among them whose default button is No
    std::deque<bool> yesNo;      // answers to askYesNo, taken from the front
    std::deque<SaveChoice> saveChoices;
    std::deque<std::optional<int>> numbers;    // answers to askNumber; nullopt = cancel
    std::deque<std::optional<QString>> files;  // answers to either file dialog; nullopt = cancel
    std::vector<Dialog> dialogs;               // every file dialog shown

    void tell(const QString& text) override { told << text; }

    bool askYesNo(const QString& text) override {
        asked << text;
        return take(yesNo, "question", text);
    }

    bool askYesNoDefaultNo(const QString& text) override {
        askedDefaultNo << text;
        return askYesNo(text);
    }

    SaveChoice askSaveDiscardCancel(const QString& text) override {
        asked << text;
        return take(saveChoices, "save question", text);
    }

    std::optional<int> askNumber(const QString& text, int value, int minimum, int maximum) override {
        asked << text + QStringLiteral(" [%1, %2..%3]").arg(value).arg(minimum).arg(maximum);
        return take(numbers, "number question", text);
    }

    std::optional<QString> chooseFileToOpen(const QString& title, const QString& initialName,
                                            const QString& filter) override {
        return nextFile(title, initialName, filter);
    }
    std::optional<QString> chooseFileToSave(const QString& title, const QString& initialName,
                                            const QString& filter) override {
        return nextFile(title, initialName, filter);
    }

    QString lastTold() const { return told.isEmpty() ? QString() : told.constLast(); }

private:
    std::optional<QString> nextFile(const QString& title, const QString& initialName, const QString& filter) {
        dialogs.push_back({title, initialName, filter});
        return take(files, "file dialog", title);
    }

    // The next queued answer; a dialog the test did not expect fails it.
    template <typename Answer>
    static Answer take(std::deque<Answer>& answers, const char* what, const QString& text) {
        if (answers.empty()) throw std::logic_error(std::string("unexpected ") + what + ": " + text.toStdString());
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace corvane::testing
