#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace velm
{

void ScriptedPlatform::notice(const QString& text)
{
    notices.push_back(text);
}

Platform::Answer ScriptedPlatform::ask(const QString& text, const QString& caption, Buttons buttons)
{
    questions.push_back({text, caption, buttons});
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedPlatform::showError(const QString& message)
{
    errors.push_back(message);
}

std::optional<QString> ScriptedPlatform::runFileDialog(Dialog dialog, const FileDialogSetup& setup)
{
    dialogs.push_back({dialog, setup});
    if (dialogResults.empty()) {
        ADD_FAILURE() << "unscripted file dialog: " << setup.title.toStdString();
        return std::nullopt;
    }
    const bool cancelled = !dialogResults.front().has_value();
    const QString path = dialogResults.front().value_or(QString());
    dialogResults.pop_front();
    if (cancelled)
        return std::nullopt;
    return path;
}

std::optional<int> ScriptedPlatform::chooseFromList(const ListChoice& choice)
{
    lists.push_back(choice);
    if (listAnswers.empty()) {
        ADD_FAILURE() << "unscripted list: " << choice.title.toStdString();
        return std::nullopt;
    }
    const std::optional<int> answer = listAnswers.front();
    listAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::startProcess(const QString& program, const QStringList& arguments)
{
    processes.push_back({program, arguments});
}

void ScriptedPlatform::openInTextViewer(const QString& file)
{
    textViewerFiles.push_back(file);
}

void ScriptedPlatform::shellOpen(const QString& target)
{
    shellOpens.push_back(target);
}

} // namespace velm
