#pragma once
// Command kinds name requests, replies and notices in the envelope's "CMD". The notice
// kinds are fixed values; every other kind is derived from its class name, so no list
// of GUIDs is kept by hand.
#include <QUuid>

class ClCommandKinds
{
public:
    static QUuid cameraConnected();
    static QUuid cameraRemoved();
    static QUuid result();
    static QUuid transportError();

    // Deterministic kind of one role ("request" or "reply") of a command class.
    static QUuid derived(const char* pszClassName, const char* pszRole);
    static QUuid request(const char* pszClassName) { return derived(pszClassName, "request"); }
    static QUuid reply(const char* pszClassName) { return derived(pszClassName, "reply"); }
};
