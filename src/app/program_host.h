#pragma once

namespace morvatek {

class RuntimeError;

// What the program needs from whoever runs it: a way to show an error that left a handler,
// and a way to end.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    virtual void reportError(const RuntimeError& error) = 0;
    virtual void endProgram(int exitStatus) = 0;
};

} // namespace morvatek
