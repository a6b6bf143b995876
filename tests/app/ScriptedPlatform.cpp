#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace velm
{

void ExpectOneQuestion(const ScriptedPlatform& platform, const QString& text,
                       const QString& caption, Platform::Buttons buttons)
{
    ASSERT_EQ(platform.questions.size(), 1u);
    const ScriptedPlatform::Question& question = platform.questions.front();
    EXPECT_EQ(question.text, text);
    EXPECT_EQ(question.caption, caption);
    EXPECT_EQ(question.buttons, buttons);
}

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

std::optional<PostcardRequest> ScriptedPlatform::askPostcardOptions(int cardCount, int cardOnScreen)
{
    postcardDialogs.push_back({cardCount, cardOnScreen});
    if (postcardAnswers.empty()) {
        ADD_FAILURE() << "unscripted postcard dialog";
        return std::nullopt;
    }
    std::optional<PostcardRequest> answer = postcardAnswers.front();
    postcardAnswers.pop_front();
    return answer;
}

} // namespace velm
