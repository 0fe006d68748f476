#pragma once

#include <string>

// The transcript the click benchmark's yardsticks show at once: thirty ones in base 4, written
// out here rather than taken from the program, so that a yardstick does no conversion work.
inline std::u16string yardstickTranscript() {
    std::u16string grouped;
    std::u16string lines;
    for (int group = 0; group < 15; ++group) {
        grouped += group == 0 ? u"11" : u" 11";
        lines += u"11 = 3\r\n";
    }
    return grouped + u"\r\nЧислото е разделено на групи по: 2\r\n\r\n" + lines +
           u"Въведеното число в 4-ична бройна система:\r\n" + std::u16string(15, u'3');
}
