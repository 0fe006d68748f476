#include "conversion.h"
#include "morvatek.h"
#include "string_routines.h"
#include "text_edits.h"
#include "transcript_texts.h"

#include <cstdint>

namespace morvatek {

void SplitIntoGroups(Morvatek& window) {
    window.Text1(0).setText(kCrLf + (transcript::kHeader + decimalText(window.SelectedOption + 2)) +
                            kCrLf);
    const auto length = static_cast<long>(window.Text2.text().size());
    if (length < 1) {
        return;
    }
    const auto groupSize = static_cast<std::int16_t>(window.SelectedOption + 2);
    window.List2(2).clear();
    int count = 0;
    Text group;
    for (long i = length; i >= 1; --i) {
        if (count == groupSize) {
            prependTo(window.Text1(0), transcript::kGroupSeparator);
            count = 0;
            window.List2(2).addItem(group);
            group.clear();
        }
        ++count;
        const Text digit = characterAt(window.Text2.text(), i);
        prependTo(window.Text1(0), digit);
        group.insert(0, digit);
    }
    window.List2(2).addItem(group);
    ShowConversion(window);
}

} // namespace morvatek
