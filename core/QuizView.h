#pragma once

#include <cstdint>
#include <string>

// The operations through which a quiz run acts on the windows. The quiz window
// implements all but ShowResults, which belongs to the start page. Strings are UTF-8.
class QuizView {
public:
    virtual ~QuizView() = default;

    // Loads the seed's four pictures in view order; throws on the first that fails
    // and leaves the views after it alone.
    virtual void ShowSeedPictures(std::int32_t seed) = 0;
    virtual void SetSeedCounterText(const std::string& text) = 0;
    // Makes the feedback box visible with the correct name and the error text.
    virtual void ShowCorrection(const std::string& name, const std::string& errorText) = 0;
    // Hides the feedback box; its texts stay for the next ShowCorrection to replace.
    virtual void HideCorrection() = 0;
    // The action button's caption, which holds the run's phase.
    virtual std::string ActionCaption() const = 0;
    virtual void SetActionCaption(const std::string& caption) = 0;
    // The selected pick-list item, or empty when none is selected.
    virtual std::string PickedName() const = 0;
    // The typed answer exactly as typed.
    virtual std::string TypedName() const = 0;
    virtual void SetAnswerInputsEnabled(bool on) = 0;
    // Empties the typing field and drops the list's selection (its items stay).
    virtual void ClearAnswerInputs() = 0;
    // Appends a name at the end of the pick list; the list does not sort.
    virtual void AddPickListItem(const std::string& name) = 0;
    // Start page visible, quiz window hidden, results group shown with the text.
    virtual void ShowResults(const std::string& text) = 0;
};
