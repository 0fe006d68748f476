#pragma once

namespace morvatek::transcript {

inline constexpr char16_t kHeader[] = u"Числото е разделено на групи по: ";
inline constexpr char16_t kGroupSeparator[] = u" ";
inline constexpr char16_t kEquals[] = u" = ";
inline constexpr char16_t kResultLead[] = u"Въведеното число в ";
inline constexpr char16_t kResultTail[] = u" бройна система:";

} // namespace morvatek::transcript
