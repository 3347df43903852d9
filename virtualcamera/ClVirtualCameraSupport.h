#pragma once
// The camera's own account of its models: which commands a Tovu (model 0), a Tovu-S (1)
// and a Tovu-D (2) answer, and from which firmware on. It is kept apart from the tool's
// availability table, so that a wrong row on either side shows in the tests instead of
// being agreed with. Whatever a camera does not answer it refuses with usNotSupported.
#include <QSet>
#include <QString>

class ClVirtualCameraSupport
{
public:
    // The codes a camera of this model and firmware answers; none for another model. A
    // firmware older than the model's first, or one not of the form "01.03.025", answers
    // as the model's first firmware does (a development build that reports an odd number).
    static QSet<quint16> answered(int lModel, const QString& strFirmware);
    // The model's first firmware; empty for a model the camera does not know.
    static QString firstFirmware(int lModel);
};
