#pragma once
// Validator of a dotted IPv4 address field as the user types it: at most four decimal
// parts up to 255 without leading zeros, a dot added after a part that cannot grow, and a
// dot taken away with the digit typed after it. The checks made on Apply are the settings'
// own (ClSettingRules).
#include <QValidator>

class ClIpv4Validator : public QValidator
{
    Q_OBJECT

public:
    explicit ClIpv4Validator(QObject* parent = nullptr);

    State validate(QString& strInput, int& lPos) const override;


private:
    // The text last accepted; validate() is const for Qt but must remember it.
    mutable QString strLastAccepted;
};
