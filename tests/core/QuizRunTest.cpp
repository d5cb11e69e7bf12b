#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "QuizRun.h"
#include "RecordingView.h"
#include "SeedCatalogue.h"
#include "SorvitaError.h"

namespace {

using Log = std::vector<std::string>;

class QuizRunTest : public ::testing::Test {
protected:
    QuizState state;
    RecordingView view;
    ScriptedRandom random;
    QuizRun run{state, view, random};

    std::string Name(std::int32_t seed) const { return std::string(SeedNames[static_cast<std::size_t>(seed)]); }
    std::string WrongName() const { return Name((state.CurrentSeed + 1) % SeedCount); }

    void PressPicking(const std::string& name)
    {
        view.picked = name;
        ActionPressed(run);
    }
    void PressRight() { PressPicking(Name(state.CurrentSeed)); }
    void PressWrong() { PressPicking(WrongName()); }
    void PressNext() { ActionPressed(run); }

    // Answers every seed of the run but the last; `wrong` picks which to fail.
    template <class WrongPredicate>
    void PlayTo39(WrongPredicate wrong)
    {
        for (int k = 1; k < SeedCount; ++k) {
            if (wrong(k)) {
                PressWrong();
                PressNext();
            } else {
                PressRight();
            }
        }
        ASSERT_EQ(state.AskedCount, SeedCount);
    }

    void ExpectFreshRun(const std::string& counterBefore = "1. semínko")
    {
        QuizState fresh;
        fresh.AdvancedMode = state.AdvancedMode;
        fresh.AskedCount = 1;
        EXPECT_EQ(state, fresh);  // every history slot 0, seed 0 current, no errors
        EXPECT_EQ(view.counter, counterBefore);
        EXPECT_EQ(view.caption, "OK");
        EXPECT_FALSE(view.correctionVisible);
        EXPECT_TRUE(view.picked.empty());
        EXPECT_TRUE(view.typed.empty());
        EXPECT_TRUE(view.inputsEnabled);
        EXPECT_EQ(view.shownSeed, 0);
    }
};

TEST_F(QuizRunTest, WorkedRunWithTwoErrors)
{
    random.forced = {17};
    InitQuiz(run);
    EXPECT_EQ(view.log, (Log{"ShowSeedPictures(0)", "SetSeedCounterText(1. semínko)"}));
    EXPECT_EQ(view.pickList.size(), 39u);
    EXPECT_EQ(view.caption, "OK");

    view.log.clear();
    PressPicking("Bob koňský");
    EXPECT_EQ(view.log, (Log{
                            "SetAnswerInputsEnabled(false)",
                            "SetAnswerInputsEnabled(true)",
                            "ClearAnswerInputs()",
                            "SetActionCaption(OK)",
                            "HideCorrection()",
                            "SetSeedCounterText(2. semínko)",
                            "ShowSeedPictures(17)",
                        }));
    EXPECT_EQ(state.AskedSeeds[1], 17);
    EXPECT_EQ(state.AskedCount, 2);

    view.log.clear();
    PressPicking("Oves nahý");
    EXPECT_EQ(view.log, (Log{
                            "SetAnswerInputsEnabled(false)",
                            "ShowCorrection(Oves pluchatý| Chyb: 1/2 )",
                            "SetActionCaption(NEXT)",
                            "SetAnswerInputsEnabled(false)",
                        }));
    EXPECT_EQ(state.ErrorCount, 1);
    EXPECT_FALSE(view.inputsEnabled);

    view.log.clear();
    PressNext();  // the wrong answer is still in the disabled list
    EXPECT_TRUE(view.picked.empty());
    EXPECT_TRUE(view.inputsEnabled);
    EXPECT_FALSE(view.correctionVisible);
    EXPECT_EQ(view.caption, "OK");
    EXPECT_EQ(view.counter, "3. semínko");
    EXPECT_EQ(state.ErrorCount, 1);

    for (int k = 3; k < SeedCount; ++k)
        PressRight();
    ASSERT_EQ(state.AskedCount, 39);
    const std::int32_t last = state.CurrentSeed;

    view.log.clear();
    PressWrong();
    EXPECT_EQ(view.log, (Log{
                            "SetAnswerInputsEnabled(false)",
                            "ShowCorrection(" + Name(last) + "| Chyb: 2/39 )",
                            "SetActionCaption(Start page)",
                        }));
    EXPECT_EQ(state.ErrorCount, 1);

    view.log.clear();
    PressNext();
    EXPECT_EQ(view.log, (Log{
                            "ShowResults(Začátečník: Skore: 2 / 39)",
                            "SetActionCaption(OK)",
                            "ShowSeedPictures(0)",
                            "SetSeedCounterText(1. semínko)",
                            "HideCorrection()",
                            "ClearAnswerInputs()",
                            "SetAnswerInputsEnabled(true)",
                        }));
    ExpectFreshRun();
}

struct EndingCase {
    const char* label;
    std::uint8_t advancedMode;
    bool (*wrongBefore39)(int k);  // k = 1..38
    bool wrongAt39;
    const char* score;
    const char* lastErrorText;  // shown at the 39th seed when it is answered wrong
};

bool Never(int) { return false; }
bool Always(int) { return true; }
bool OddSeeds(int k) { return k % 2 == 1; }

class RunEnding : public QuizRunTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(RunEnding, ScoreAndPhases)
{
    const EndingCase& c = GetParam();
    InitQuiz(run);
    PlayTo39(c.wrongBefore39);
    state.AdvancedMode = c.advancedMode;

    if (c.wrongAt39) {
        const std::int32_t errorsBefore = state.ErrorCount;
        PressWrong();
        EXPECT_EQ(view.caption, "Start page");
        EXPECT_EQ(view.correctionText, c.lastErrorText);
        EXPECT_EQ(state.ErrorCount, errorsBefore);
        EXPECT_FALSE(view.inputsEnabled);
        EXPECT_TRUE(view.results.empty());
        PressNext();
    } else {
        PressRight();
    }
    EXPECT_EQ(view.results, (Log{c.score}));
    ExpectFreshRun();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RunEnding,
    ::testing::Values(
        EndingCase{"NoError", 0, Never, false, "Začátečník: Skore: 0 / 39", ""},
        EndingCase{"EveryAnswerWrong", 0, Always, true, "Začátečník: Skore: 39 / 39", " Chyb: 39/39 "},
        EndingCase{"OnlyLastWrong", 0, Never, true, "Začátečník: Skore: 1 / 39", " Chyb: 1/39 "},
        EndingCase{"AdvancedNoError", 1, Never, false, "Pokročilý: Skore: 0 / 39", ""},
        EndingCase{"AdvancedAnyNonZeroMode", 7, OddSeeds, true, "Pokročilý: Skore: 20 / 39", " Chyb: 20/39 "},
        EndingCase{"AdvancedRightLast", 1, OddSeeds, false, "Pokročilý: Skore: 19 / 39", ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(QuizRunTest, ErrorTextCountsErrorsOverSeedsSoFar)
{
    InitQuiz(run);
    PressWrong();
    EXPECT_EQ(view.correctionText, " Chyb: 1/1 ");
    PressNext();
    PressRight();
    PressWrong();  // third seed, second error
    EXPECT_EQ(view.correctionText, " Chyb: 2/3 ");
    EXPECT_EQ(view.correctionName, Name(state.CurrentSeed));
    EXPECT_EQ(state.ErrorCount, 2);
}

TEST_F(QuizRunTest, RunsVisitEverySeedOnceStartingWithSeedZero)
{
    InitQuiz(run);
    std::vector<std::int32_t> all(SeedCount);
    std::iota(all.begin(), all.end(), 0);
    for (int r = 0; r < 5; ++r) {
        std::vector<std::int32_t> shown;
        for (int k = 0; k < SeedCount; ++k) {
            shown.push_back(state.CurrentSeed);
            if (k == SeedCount - 1) {
                std::vector<std::int32_t> history(state.AskedSeeds.begin(), state.AskedSeeds.begin() + SeedCount);
                EXPECT_EQ(history, shown);
            }
            PressRight();
        }
        EXPECT_EQ(shown.front(), 0);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, all) << "run " << r;
        ExpectFreshRun();
    }
    EXPECT_EQ(view.pickList.size(), 39u);
    EXPECT_EQ(view.pickList.front(), "Bob koňský");
    EXPECT_EQ(view.pickList.back(), "Žito seté");
}

TEST_F(QuizRunTest, DrawRepeatsUntilAnUnaskedSeed)
{
    InitQuiz(run);
    random.forced = {0, 0, 5};  // seed 0 is taken: drawn again until 5
    PressRight();
    EXPECT_EQ(state.CurrentSeed, 5);
    EXPECT_EQ(random.draws, 3);
}

TEST_F(QuizRunTest, GeneratorSeededOnceInInitAndOncePerAdvance)
{
    InitQuiz(run);
    EXPECT_EQ(random.seedings, 1);
    PressWrong();  // wrong-answer step: no seeding
    EXPECT_EQ(random.seedings, 1);
    PressNext();
    EXPECT_EQ(random.seedings, 2);
    while (state.AskedCount < SeedCount)
        PressRight();
    EXPECT_EQ(random.seedings, 39);
    PressRight();  // the run ends: FinishRun draws nothing and seeds nothing
    EXPECT_EQ(random.seedings, 39);
}

TEST_F(QuizRunTest, NothingPickedNorTypedIsWrong)
{
    InitQuiz(run);
    PressPicking("");
    EXPECT_EQ(view.caption, "NEXT");
}

TEST_F(QuizRunTest, TypedNameCountsWhenNothingIsPicked)
{
    InitQuiz(run);
    view.typed = "Bob koňský";
    ActionPressed(run);
    EXPECT_EQ(state.AskedCount, 2);
    EXPECT_EQ(view.caption, "OK");
}

struct Miss {
    const char* label;
    const char* answer;  ///< seed 0 is "Bob koňský"
};

class NearMiss : public QuizRunTest, public ::testing::WithParamInterface<Miss> {};

TEST_P(NearMiss, IsWrongPickedOrTyped)
{
    InitQuiz(run);  // seed 0: "Bob koňský"
    PressPicking(GetParam().answer);
    EXPECT_EQ(view.caption, "NEXT") << "picked";
    EXPECT_EQ(state.ErrorCount, 1);

    PressNext();
    view.log.clear();
    state.CurrentSeed = 0;  // ask seed 0 again, this time typed
    view.typed = GetParam().answer;
    ActionPressed(run);
    EXPECT_EQ(view.caption, "NEXT") << "typed";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NearMiss,
    ::testing::Values(Miss{"LowerCase", "bob koňský"}, Miss{"UpperCase", "BOB KOŇSKÝ"},
                      Miss{"CaronMissing", "Bob konský"}, Miss{"AcuteMissing", "Bob koňsky"},
                      Miss{"LeadingSpace", " Bob koňský"}, Miss{"TrailingSpace", "Bob koňský "},
                      Miss{"DoubleSpace", "Bob  koňský"}, Miss{"Shorter", "Bob koňsk"},
                      Miss{"Longer", "Bob koňskýý"}, Miss{"Tab", "Bob\tkoňský"}, Miss{"Newline", "Bob koňský\n"},
                      // n + combining caron: looks the same, is not the same characters
                      Miss{"Decomposed", "Bob kon\xCC\x8Csk\xC3\xBD"}),
    [](const auto& info) { return std::string(info.param.label); });

// ShowSeedPictures fails: what was done before stays done, what comes after does not happen.
TEST_F(QuizRunTest, PictureFailureInInitQuiz)
{
    view.failPicturesAtCall = 1;
    EXPECT_THROW(InitQuiz(run), SorvitaError);
    EXPECT_EQ(view.pickList.size(), 39u);
    EXPECT_EQ(random.seedings, 1);
    EXPECT_EQ(state, QuizState{});  // CurrentSeed 0, AskedCount still 0, no slot written
    EXPECT_EQ(view.counter, "");
}

TEST_F(QuizRunTest, PictureFailureInAdvanceToNextSeed)
{
    InitQuiz(run);
    view.failPicturesAtCall = 1;
    random.forced = {9};
    PressWrong();
    EXPECT_THROW(PressNext(), SorvitaError);
    EXPECT_EQ(state.CurrentSeed, 9);
    EXPECT_EQ(state.AskedSeeds[1], 9);
    EXPECT_EQ(state.AskedCount, 2);
    EXPECT_EQ(state.ErrorCount, 1);
    EXPECT_EQ(view.counter, "2. semínko");
    EXPECT_EQ(view.caption, "OK");
    EXPECT_FALSE(view.correctionVisible);
    EXPECT_TRUE(view.inputsEnabled);
    EXPECT_TRUE(view.picked.empty());
    EXPECT_EQ(view.shownSeed, 0);  // the slots still show the previous seed

    // The run goes on with the new seed.
    PressRight();
    EXPECT_EQ(state.AskedCount, 3);
}

TEST_F(QuizRunTest, PictureFailureInFinishRun)
{
    InitQuiz(run);
    PlayTo39(Never);
    PressWrong();
    view.failPicturesAtCall = 1;
    EXPECT_THROW(PressNext(), SorvitaError);
    EXPECT_EQ(view.results, (Log{"Začátečník: Skore: 1 / 39"}));
    EXPECT_EQ(view.caption, "OK");
    EXPECT_EQ(state, QuizState{});  // counters 0, history cleared, seed 0
    EXPECT_EQ(view.counter, "39. semínko");
    EXPECT_FALSE(view.inputsEnabled);
    EXPECT_TRUE(view.correctionVisible);
}

TEST(QuizTexts, Composition)
{
    EXPECT_EQ(SeedCounterText(1), "1. semínko");
    EXPECT_EQ(SeedCounterText(39), "39. semínko");
    EXPECT_EQ(ErrorText(0, 1), " Chyb: 0/1 ");
    EXPECT_EQ(ErrorText(12, 38), " Chyb: 12/38 ");
    EXPECT_EQ(ScoreText(0, 2, 39), "Začátečník: Skore: 2 / 39");
    EXPECT_EQ(ScoreText(1, 0, 39), "Pokročilý: Skore: 0 / 39");
}

TEST(ClockSeededRandom, SeedsFromTheClockAndDrawsInRange)
{
    static std::uint32_t now = 0;
    ClockSeededRandom a([] { return now; });
    ClockSeededRandom b([] { return now; });
    now = 43'200'123;
    a.SeedFromClock();
    b.SeedFromClock();
    std::vector<bool> seen(SeedCount);
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t x = a.Draw(SeedCount);
        ASSERT_EQ(x, b.Draw(SeedCount));  // the same millisecond gives the same sequence
        ASSERT_GE(x, 0);
        ASSERT_LT(x, SeedCount);
        seen[static_cast<std::size_t>(x)] = true;
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](bool s) { return s; }));
    EXPECT_LT(TimeOfDayMilliseconds(), 24u * 60 * 60 * 1000);
}

} // namespace
