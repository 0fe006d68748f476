#pragma once

#include "morvatek.h"
#include "program.h"
#include "program_host.h"
#include "runtime_error.h"
#include "utf8.h"

#include <string>
#include <vector>

namespace morvatek::testing {

// Stands in for the window: records what the program reports instead of showing it.
class RecordingHost : public ProgramHost {
public:
    void reportError(const RuntimeError& error) override { errors.emplace_back(error.what()); }
    void endProgram(int exitStatus) override { exitStatuses.push_back(exitStatus); }
    void announce(std::u16string_view sentence) override {
        sentences.push_back(utf8(Text(sentence)));
    }

    std::vector<std::string> errors;
    std::vector<int> exitStatuses;
    std::vector<std::string> sentences;
};

// A started program driven the way a pupil drives the window: by the controls' own actions.
class Pupil {
public:
    Pupil() : program_(host_) {}

    Morvatek& window() { return program_.window(); }
    const RecordingHost& host() const { return host_; }

    void choosesBase(int base) {
        window().Option1(base == 4 ? 0 : base == 8 ? 1 : 2).pupilSelects();
    }
    // Clicks the digit list's item that shows `digit`; nothing happens when it has none.
    void clicksDigit(char16_t digit) {
        const auto& items = window().List1.items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == Text(1, digit)) {
                window().List1.pupilSelects(static_cast<long>(i));
            }
        }
    }
    void entersDigits(const std::u16string& digits) {
        for (char16_t digit : digits) {
            clicksDigit(digit);
        }
    }
    void calculates() { window().Command1(0).pupilPresses(); }
    void clears() { window().Command1(1).pupilPresses(); }

    std::string entry() { return utf8(window().Text2.text()); }
    std::string transcript() { return utf8(window().Text1(0).text()); }
    std::vector<std::string> digitList() {
        std::vector<std::string> out;
        for (const Text& item : window().List1.items()) {
            out.push_back(utf8(item));
        }
        return out;
    }

private:
    RecordingHost host_;
    Program program_;
};

} // namespace morvatek::testing
