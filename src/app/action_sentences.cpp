#include "action_sentences.h"

#include "morvatek.h"

#include <algorithm>
#include <string>

namespace morvatek {

namespace {

constexpr std::u16string_view kResult = u"Резултат: ";
constexpr std::u16string_view kAllCleared = u"Въведеното число и резултатът са изтрити.";
constexpr std::u16string_view kBaseChosen = u"Избрана бройна система: ";
constexpr std::u16string_view kDigit = u"Цифра ";
constexpr std::u16string_view kDigitsSoFar = u", въведени ";
constexpr std::u16string_view kEntryCleared = u"Въведеното число е изтрито.";

bool among(const std::vector<const Control*>& changed, const Control& control) {
    return std::find(changed.begin(), changed.end(), &control) != changed.end();
}

Text number(std::size_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

std::vector<Text> linesOf(const Text& text) {
    std::vector<Text> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find(kCrLf); end != Text::npos; end = text.find(kCrLf, start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The transcript's last line is the result. "Изчисли" on an empty entry leaves the header and an
// empty last line: then the header is what the pupil hears.
Text afterCalculation(const Text& transcript) {
    const std::vector<Text> lines = linesOf(transcript);
    if (!lines.back().empty()) {
        return Text(kResult) + lines.back();
    }
    const auto header =
        std::find_if(lines.rbegin(), lines.rend(), [](const Text& line) { return !line.empty(); });
    return header != lines.rend() ? *header : Text();
}

} // namespace

Text sentenceAfter(const Morvatek& window, const std::vector<const Control*>& changed) {
    const Text& transcript = window.Text1(0).text();
    if (among(changed, window.Text1(0))) {
        return transcript.empty() ? Text(kAllCleared) : afterCalculation(transcript);
    }
    const bool baseChanged =
        std::any_of(window.Option1.begin(), window.Option1.end(),
                    [&changed](const OptionButton& option) { return among(changed, option); });
    for (const OptionButton& option : window.Option1) {
        if (baseChanged && option.value()) {
            return Text(kBaseChosen) + option.caption() + u'.';
        }
    }
    const Text& entry = window.Text2.text();
    if (among(changed, window.Text2)) {
        return entry.empty()
                   ? Text(kEntryCleared)
                   : Text(kDigit) + entry.back() + Text(kDigitsSoFar) + number(entry.size()) + u'.';
    }
    return {};
}

} // namespace morvatek
