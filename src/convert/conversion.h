#pragma once

namespace morvatek {

struct Morvatek;

// The work behind "Изчисли": starts the transcript with the header, splits the entered binary
// number into groups counted from the right, shows the grouped number in front of the header,
// fills the group list and hands over to ShowConversion. An empty entry gets the header alone.
void SplitIntoGroups(Morvatek& window);

// Looks each group up in the code table, writes one line per group, fills the result list and
// ends the transcript with the caption line and the converted number.
void ShowConversion(Morvatek& window);

} // namespace morvatek
