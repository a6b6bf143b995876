#include "ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <string_view>

namespace velm
{

namespace
{

// The next answer of a script of dialogs, nothing standing for Cancel. A dialog that the
// script has no answer for fails the test and is cancelled.
template <typename Answer>
std::optional<Answer> NextAnswer(std::deque<std::optional<Answer>>& script, std::string_view kind,
                                 const QString& title)
{
    if (script.empty()) {
        ADD_FAILURE() << "unscripted " << kind << ": " << title.toStdString();
        return std::nullopt;
    }
    const std::optional<Answer> answer = script.front();
    script.pop_front();
    return answer;
}

} // namespace

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
    return NextAnswer(dialogResults, "file dialog", setup.title);
}

std::optional<int> ScriptedPlatform::chooseFromList(const ListChoice& choice)
{
    lists.push_back(choice);
    return NextAnswer(listAnswers, "list", choice.title);
}

void ScriptedPlatform::startProcess(const QString& program, const QStringList& arguments)
{
    processes.push_back({program, arguments});
}

void ScriptedPlatform::openInTextViewer(const QString& file)
{
    textViewerFiles.push_back(file);
}

void ScriptedPlatform::shellOpen(const QString& target, std::function<void()> whenNotOpened)
{
    shellOpens.push_back(target);
    if (!shellOpenFindsAProgram && whenNotOpened)
        whenNotOpened();
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
