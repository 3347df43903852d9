#pragma once
// The camera's stored settings: every value a Set command writes and the matching Get
// command reads back, keyed by the Get command's wire code, with the value each one has
// after a factory reset and the range the camera accepts. Not thread-safe; the camera
// guards it.
#include "ClVirtualCameraWire.h"

#include <QByteArray>
#include <QMap>

class ClVirtualCameraSettings
{
public:
    using Params = ClVirtualCameraWire::Params;

    enum class Outcome { Stored, OutOfRange, Unknown };

    explicit ClVirtualCameraSettings(int lModel);

    // Factory values of the settings and state; the identity values and the adjustment
    // flag stay, as a settings reset does not touch what the factory wrote.
    void resetSettings();

    // Values of one Get code; codes with a key (per day, per slot) read the entry of ulKey.
    bool hasNumbers(quint16 usGetCode) const;
    bool isKeyed(quint16 usGetCode) const;
    Params numbers(quint16 usGetCode, quint32 ulKey = 0) const;
    bool hasText(quint16 usGetCode) const;
    QByteArray text(quint16 usGetCode) const;

    // The Get code a Set code writes (0 when the code is not a plain setting).
    quint16 getCodeOf(quint16 usSetCode) const;

    // A Set command's values, checked against the range of the setting.
    Outcome setNumbers(quint16 usSetCode, const Params& arrParams);
    Outcome setText(quint16 usSetCode, const QByteArray& clText);

    // Direct access for the camera's own operations and for tests (no range check).
    void storeNumbers(quint16 usGetCode, const Params& arrParams, quint32 ulKey = 0);
    void storeText(quint16 usGetCode, const QByteArray& clText);

    // The schedule entries in day-code order (1 Sunday ... 7 Saturday, 8 every day).
    QList<quint32> scheduleKeys() const;

    // Rows of the camera's own tables (defined in the .cpp).
    struct NumberRule;
    struct TextRule;

private:
    static const NumberRule* numberRule(quint16 usGetCode);
    static const TextRule* textRule(quint16 usGetCode);
    static const NumberRule* numberRuleBySet(quint16 usSetCode);
    static const TextRule* textRuleBySet(quint16 usSetCode);
    static quint64 keyOf(quint16 usGetCode, quint32 ulKey);

    int m_lModel = 0;
    QMap<quint64, Params> m_mapNumbers;
    QMap<quint16, QByteArray> m_mapTexts;
};
