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
        if (yesNo.empty()) throw std::logic_error("unexpected question: " + text.toStdString());
        bool answer = yesNo.front();
        yesNo.pop_front();
        return answer;
    }

    bool askYesNoDefaultNo(const QString& text) override {
        askedDefaultNo << text;
        return askYesNo(text);
    }

    SaveChoice askSaveDiscardCancel(const QString& text) override {
        asked << text;
        if (saveChoices.empty()) throw std::logic_error("unexpected save question: " + text.toStdString());
        SaveChoice answer = saveChoices.front();
        saveChoices.pop_front();
        return answer;
    }

    std::optional<int> askNumber(const QString& text, int value, int minimum, int maximum) override {
        asked << text + QStringLiteral(" [%1, %2..%3]").arg(value).arg(minimum).arg(maximum);
        if (numbers.empty()) throw std::logic_error("unexpected number question: " + text.toStdString());
        auto answer = numbers.front();
        numbers.pop_front();
        return answer;
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
        if (files.empty()) throw std::logic_error("unexpected file dialog: " + title.toStdString());
        auto answer = files.front();
        files.pop_front();
        return answer;
    }
};

}  // namespace corvane::testing
