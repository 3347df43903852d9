#pragma once
// Command kinds name requests, replies and notices in the envelope's "CMD". The notice
// kinds and a few command kinds keep established values; every other kind is derived
// from its class name, so no list of GUIDs is kept by hand.
#include <QUuid>

class ClCommandKinds
{
public:
    // A camera was opened and asked its name: "PARAM1" its handle, "PARAM2" its model (-1
    // when it did not say), "PARAM3" the outcome of the query, "PARAM4" where it sits on
    // the bus ("<bus folder>/<device file>", as under /dev/bus/usb).
    static QUuid cameraConnected();
    static QUuid cameraRemoved();
    // A camera on the bus that cannot be used: "PARAM2" why (ClUnusableReason, 0 when it
    // became usable or left), "PARAM3" its device node, "PARAM4" the programs holding it.
    static QUuid cameraUnusable();
    static QUuid result();
    static QUuid transportError();

    // One transfer read from the camera without a request, and its answer.
    static QUuid rawRead();
    static QUuid rawReadReply();
    // An event kind every model's availability list holds; nothing in the tool sends it.
    static QUuid spareEvent();

    // Kind of one role ("request" or "reply") of a command class: the fixed value where
    // the class has one, else derived from the class name. Prefer
    // ClCommandCatalogue::requestKind(), which also knows whether a command replies.
    static QUuid derived(const char* pszClassName, const char* pszRole);
    static QUuid request(const char* pszClassName) { return derived(pszClassName, "request"); }
    static QUuid reply(const char* pszClassName) { return derived(pszClassName, "reply"); }
};
