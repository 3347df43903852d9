#pragma once
// Runs the event loop until a condition holds or a time has passed, so that the command
// line can be written as steps while the worker's answers arrive as signals.
#include <functional>

class ClCliWait
{
public:
    // True when fnDone held before lTimeoutMs passed.
    static bool until(const std::function<bool()>& fnDone, int lTimeoutMs);
};
