#pragma once
// Validator of a port field: digits only, at most five of them; an empty field is allowed
// while typing and corrected when editing finishes (ClWidgetAdvance::slotCorrectPortValue, by
// ClSettingRules::correctedPort).
#include <QValidator>

class ClNetworkPortValidator : public QValidator
{
    Q_OBJECT

public:
    explicit ClNetworkPortValidator(QObject* parent = nullptr);

    State validate(QString& strInput, int& lPos) const override;

};
