#pragma once
// The network pages' shared report-once flag: the mode switch and the choice of an open
// network report at most one failure per user action (an Apply, a reload, the choice of a
// network), however many of its commands fail.
class ClNetworkReport
{
public:
    static void arm() { bArmed = true; }
    // True once after each arm().
    static bool take()
    {
        const bool bWasArmed = bArmed;
        bArmed = false;
        return bWasArmed;
    }
    static bool isArmed() { return bArmed; }

private:
    static inline bool bArmed = true;
};
