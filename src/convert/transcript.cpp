#include "conversion.h"
#include "morvatek.h"
#include "string_routines.h"
#include "text_edits.h"
#include "transcript_texts.h"

namespace morvatek {

namespace {

// Compares the group with every code-table entry by decimal value (so "011" matches "11") and
// writes the digit of each match; the scan does not stop at the first match.
void writeDigitsOfGroup(Morvatek& window, long groupIndex, int codeCount) {
    for (int j = 1; j <= codeCount; ++j) {
        if (Val(window.List2(0).list(j - 1)) == Val(window.List2(2).list(groupIndex))) {
            appendTo(window.Text1(0), transcript::kEquals + window.List2(1).list(j - 1));
            window.List2(3).addItem(window.List2(1).list(j - 1));
        }
    }
}

} // namespace

void ShowConversion(Morvatek& window) {
    window.List2(3).clear();
    int groupCount = window.List2(2).listCount();
    const int codeCount = window.List2(0).listCount();
    appendTo(window.Text1(0), kCrLf);
    for (int i = groupCount; i >= 1; --i) {
        appendTo(window.Text1(0), window.List2(2).list(i - 1));
        writeDigitsOfGroup(window, i - 1, codeCount);
        appendTo(window.Text1(0), kCrLf);
    }
    appendTo(window.Text1(0), transcript::kResultLead +
                                  window.Option1(window.SelectedOption).caption() +
                                  transcript::kResultTail + kCrLf);
    groupCount = window.List2(2).listCount();
    for (int k = 1; k <= groupCount; ++k) {
        appendTo(window.Text1(0), window.List2(3).list(k - 1));
    }
}

} // namespace morvatek
