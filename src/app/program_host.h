#pragma once

#include <string_view>

namespace morvatek {

class RuntimeError;

// What the program needs from whoever runs it: a way to show an error that left a handler,
// a way to end, and a way to tell a screen reader what the pupil's action did.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    virtual void reportError(const RuntimeError& error) = 0;
    virtual void endProgram(int exitStatus) = 0;
    // Once after each of the pupil's actions that changed something a pupil hears about, when
    // the window shows the action's end; the words are the same on every front end.
    virtual void announce(std::u16string_view sentence) = 0;
};

} // namespace morvatek
