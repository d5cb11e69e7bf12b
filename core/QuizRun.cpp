#include "QuizRun.h"

#include <chrono>
#include <ctime>

#include "QuizView.h"

QuizState Quiz;

std::uint32_t TimeOfDayMilliseconds()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return static_cast<std::uint32_t>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + millis);
}

void ClockSeededRandom::SeedFromClock()
{
    engine_.seed(clock_());
}

std::int32_t ClockSeededRandom::Draw(std::int32_t n)
{
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(engine_);
}

std::string SeedCounterText(std::int32_t askedCount)
{
    return std::to_string(askedCount) + ". semínko";
}

std::string ErrorText(std::int32_t errors, std::int32_t askedCount)
{
    return " Chyb: " + std::to_string(errors) + "/" + std::to_string(askedCount) + " ";
}

std::string ScoreText(std::uint8_t advancedMode, std::int32_t errors, std::int32_t askedCount)
{
    const char* prefix = advancedMode == 0 ? "Začátečník: Skore: " : "Pokročilý: Skore: ";
    return prefix + std::to_string(errors) + " / " + std::to_string(askedCount);
}

void InitQuiz(const QuizRun& run)
{
    for (std::int32_t i = 0; i <= PickListHigh; ++i)
        run.view.AddPickListItem(std::string(PickList[static_cast<std::size_t>(i)]));
    run.random.SeedFromClock();
    PresentFirstSeed(run);
}

void PresentFirstSeed(const QuizRun& run)
{
    QuizState& s = run.state;
    s.CurrentSeed = 0;
    run.view.ShowSeedPictures(s.CurrentSeed);
    s.AskedSeeds[static_cast<std::size_t>(s.AskedCount)] = s.CurrentSeed;
    s.AskedCount = 1;
    run.view.SetSeedCounterText(SeedCounterText(s.AskedCount));
}

void ActionPressed(const QuizRun& run)
{
    QuizState& s = run.state;
    QuizView& view = run.view;

    // The inputs are still disabled from the press that set this caption.
    if (view.ActionCaption() == CaptionStartPage) {
        FinishRun(run, s.ErrorCount + 1);
        return;
    }

    view.SetAnswerInputsEnabled(false);

    const std::string_view expected = SeedNames[static_cast<std::size_t>(s.CurrentSeed)];
    // Both inputs are tested whatever the mode: the hidden one is always empty.
    const bool accepted = view.PickedName() == expected || view.TypedName() == expected
                          || view.ActionCaption() == CaptionNext;

    if (s.AskedCount == SeedCount) {
        if (accepted) {
            FinishRun(run, s.ErrorCount);
        } else {
            // The last error is carried by this text and by the score at the next press.
            view.ShowCorrection(std::string(expected), ErrorText(s.ErrorCount + 1, s.AskedCount));
            view.SetActionCaption(CaptionStartPage);
        }
        return;
    }

    if (accepted) {
        AdvanceToNextSeed(run);
    } else {
        ++s.ErrorCount;
        view.ShowCorrection(std::string(expected), ErrorText(s.ErrorCount, s.AskedCount));
        view.SetActionCaption(CaptionNext);
        view.SetAnswerInputsEnabled(false);
    }
}

void AdvanceToNextSeed(const QuizRun& run)
{
    QuizState& s = run.state;
    run.view.SetAnswerInputsEnabled(true);
    run.view.ClearAnswerInputs();
    run.view.SetActionCaption(CaptionOk);
    run.view.HideCorrection();
    run.random.SeedFromClock();
    s.CurrentSeed = DrawUnaskedSeed(run);
    s.AskedSeeds[static_cast<std::size_t>(s.AskedCount)] = s.CurrentSeed;
    ++s.AskedCount;
    run.view.SetSeedCounterText(SeedCounterText(s.AskedCount));
    run.view.ShowSeedPictures(s.CurrentSeed);
}

std::int32_t DrawUnaskedSeed(const QuizRun& run)
{
    const QuizState& s = run.state;
    for (;;) {
        const std::int32_t candidate = run.random.Draw(SeedCount);
        bool asked = false;
        for (std::int32_t i = 0; i < s.AskedCount && !asked; ++i)
            asked = s.AskedSeeds[static_cast<std::size_t>(i)] == candidate;
        if (!asked)
            return candidate;
    }
}

void FinishRun(const QuizRun& run, std::int32_t errors)
{
    QuizState& s = run.state;
    run.view.ShowResults(ScoreText(s.AdvancedMode, errors, s.AskedCount));
    run.view.SetActionCaption(CaptionOk);
    s.AskedCount = 0;
    s.ErrorCount = 0;
    s.AskedSeeds.fill(0);
    PresentFirstSeed(run);
    run.view.HideCorrection();
    run.view.ClearAnswerInputs();
    run.view.SetAnswerInputsEnabled(true);
}
