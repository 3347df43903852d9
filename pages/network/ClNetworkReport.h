#pragma once
// The network pages' shared report-once flag: the mode switch and the choice of an open
// network each report at most one failure per Apply (or reload), however many of their
// commands fail.
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
