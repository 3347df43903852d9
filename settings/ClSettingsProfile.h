#pragma once
// A settings profile: one camera's settings by name in a JSON file, with the format's name
// and version, the camera's model, firmware and serial number and when it was read.
// Reading refuses the whole file on any fault (too big, not JSON, another format or a newer
// version, an unknown name, a value of the wrong type or out of its range), listing every
// fault, so that nothing is written to a camera from a profile that fails.
#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QStringList>
#include <QVariant>

class ClSettingsProfile
{
public:
    static const QString& formatName();  // "tovu-settings-profile"
    static constexpr int lFormatVersion = 1;
    static constexpr qint64 llMaxFileSize = 1024 * 1024;
    // The name a profile gives a camera model: "Tovu", "Tovu-S"; empty for another.
    static QString modelName(int lModel);

    QString strModel;
    QString strFirmware;
    QString strSerial;
    QDateTime dtRead;
    // By name, in the form the envelopes carry.
    QMap<QString, QVariant> mapValues;

    // Secrets are left out unless bIncludeSecrets.
    QByteArray toJson(bool bIncludeSecrets) const;
    // Empty list on success; else one line per fault, and *this is left unchanged.
    QStringList fromJson(const QByteArray& baJson);
    // Reads a file: the size cap is checked before anything is read.
    QStringList load(const QString& strPath);
    // Writes through a temporary file, so that a failed write leaves no half profile.
    QString save(const QString& strPath, bool bIncludeSecrets) const;
};
