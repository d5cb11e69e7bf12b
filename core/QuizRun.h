#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "SeedCatalogue.h"

class QuizView;

inline constexpr std::int32_t AskedSeedsSlots = 1001;

// The one record of the quiz run; all zero when the program starts.
struct QuizState {
    std::uint8_t AdvancedMode = 0;  ///< 0 = beginner (picked answer), otherwise advanced (typed)
    std::int32_t CurrentSeed = 0;   ///< seed shown now; its name is the expected answer
    std::int32_t AskedCount = 0;    ///< seeds shown so far in this run, the current one included
    std::int32_t ErrorCount = 0;    ///< wrong answers counted so far in this run
    std::array<std::int32_t, AskedSeedsSlots> AskedSeeds{};  ///< seeds in the order shown

    bool operator==(const QuizState&) const = default;
};

// The program's quiz run, shared by the windows.
extern QuizState Quiz;

// The phases, held only in the action button's caption.
inline constexpr const char* CaptionOk = "OK";
inline constexpr const char* CaptionNext = "NEXT";
inline constexpr const char* CaptionStartPage = "Start page";

// The random generator a run draws seeds from. The run seeds it from the clock
// exactly once in InitQuiz and once per AdvanceToNextSeed.
class QuizRandom {
public:
    virtual ~QuizRandom() = default;
    virtual void SeedFromClock() = 0;
    // A number drawn uniformly from 0..n-1.
    virtual std::int32_t Draw(std::int32_t n) = 0;
};

// Milliseconds since local midnight.
using ClockFunction = std::uint32_t (*)();
std::uint32_t TimeOfDayMilliseconds();

class ClockSeededRandom : public QuizRandom {
public:
    explicit ClockSeededRandom(ClockFunction clock = TimeOfDayMilliseconds) : clock_(clock) {}
    void SeedFromClock() override;
    std::int32_t Draw(std::int32_t n) override;

private:
    ClockFunction clock_;
    std::mt19937 engine_;
};

// Everything a run acts on. The program passes the global Quiz state, its
// windows and a ClockSeededRandom; tests pass their own.
struct QuizRun {
    QuizState& state;
    QuizView& view;
    QuizRandom& random;
};

// Fills the pick list, seeds the generator and presents seed 0. Run once, when
// the quiz window is created. Errors from the view pass through; what was done
// before them stays done.
void InitQuiz(const QuizRun& run);
// One press of the action button, in whatever phase.
void ActionPressed(const QuizRun& run);

// The steps the two entry points are made of.
void PresentFirstSeed(const QuizRun& run);
void AdvanceToNextSeed(const QuizRun& run);
std::int32_t DrawUnaskedSeed(const QuizRun& run);
void FinishRun(const QuizRun& run, std::int32_t errors);

// The texts a run shows.
std::string SeedCounterText(std::int32_t askedCount);
std::string ErrorText(std::int32_t errors, std::int32_t askedCount);
std::string ScoreText(std::uint8_t advancedMode, std::int32_t errors, std::int32_t askedCount);
