#pragma once
// Validator of a dotted IPv4 address field as the user types it: at most four decimal
// parts up to 255 without leading zeros, a dot added after a part that cannot grow, and a
// dot taken away with the digit typed after it. Also holds the checks made on Apply: a
// host address (last part 1 to 254) and a subnet mask (ones from the top, then zeros).
#include <QValidator>

class ClIpv4Validator : public QValidator
{
    Q_OBJECT

public:
    explicit ClIpv4Validator(QObject* parent = nullptr);

    State validate(QString& strInput, int& lPos) const override;

    static bool isHostAddress(const QString& strText);
    static bool isSubnetMask(const QString& strText);

private:
    // The text last accepted; validate() is const for Qt but must remember it.
    mutable QString strLastAccepted;
};
