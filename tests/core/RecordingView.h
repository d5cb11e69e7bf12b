#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "QuizRun.h"
#include "QuizView.h"
#include "SorvitaError.h"

// A QuizView without windows: it keeps what a window would show and logs every
// call, so a test can compare the exact sequence the run produced.
class RecordingView : public QuizView {
public:
    std::vector<std::string> log;
    std::vector<std::string> pickList;
    std::string caption = CaptionOk;
    std::string counter;
    std::string picked;
    std::string typed;
    bool inputsEnabled = true;
    bool correctionVisible = false;
    std::string correctionName;
    std::string correctionText;
    std::vector<std::string> results;
    std::int32_t shownSeed = -1;
    // When set, the n-th ShowSeedPictures call (counting from 1) throws.
    std::optional<int> failPicturesAtCall;
    int pictureCalls = 0;

    void ShowSeedPictures(std::int32_t seed) override
    {
        log.push_back("ShowSeedPictures(" + std::to_string(seed) + ")");
        if (failPicturesAtCall && ++pictureCalls == *failPicturesAtCall)
            throw SorvitaError("Cannot open file obr/0/" + std::to_string(seed) + ".jpg");
        shownSeed = seed;
    }
    void SetSeedCounterText(const std::string& text) override
    {
        log.push_back("SetSeedCounterText(" + text + ")");
        counter = text;
    }
    void ShowCorrection(const std::string& name, const std::string& errorText) override
    {
        log.push_back("ShowCorrection(" + name + "|" + errorText + ")");
        correctionVisible = true;
        correctionName = name;
        correctionText = errorText;
    }
    void HideCorrection() override
    {
        log.push_back("HideCorrection()");
        correctionVisible = false;
    }
    std::string ActionCaption() const override { return caption; }
    void SetActionCaption(const std::string& text) override
    {
        log.push_back("SetActionCaption(" + text + ")");
        caption = text;
    }
    std::string PickedName() const override { return picked; }
    std::string TypedName() const override { return typed; }
    void SetAnswerInputsEnabled(bool on) override
    {
        log.push_back(on ? "SetAnswerInputsEnabled(true)" : "SetAnswerInputsEnabled(false)");
        inputsEnabled = on;
    }
    void ClearAnswerInputs() override
    {
        log.push_back("ClearAnswerInputs()");
        picked.clear();
        typed.clear();
    }
    void AddPickListItem(const std::string& name) override { pickList.push_back(name); }
    void ShowResults(const std::string& text) override
    {
        log.push_back("ShowResults(" + text + ")");
        results.push_back(text);
    }
};

// A generator whose draws a test can force; unforced draws come from a fixed
// engine. Counts how often the run seeds it.
class ScriptedRandom : public QuizRandom {
public:
    std::deque<std::int32_t> forced;
    int seedings = 0;
    int draws = 0;

    void SeedFromClock() override { ++seedings; }
    std::int32_t Draw(std::int32_t n) override
    {
        ++draws;
        if (!forced.empty()) {
            const std::int32_t value = forced.front();
            forced.pop_front();
            return value;
        }
        return std::uniform_int_distribution<std::int32_t>(0, n - 1)(engine_);
    }

private:
    std::mt19937 engine_{12345};
};
