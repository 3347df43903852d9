#pragma once
// Validator of a port field: digits only, at most five of them; an empty field is allowed
// while typing and corrected when editing finishes (ClWidgetAdvance::slotCorrectPortValue).
#include <QValidator>

class ClNetworkPortValidator : public QValidator
{
    Q_OBJECT

public:
    explicit ClNetworkPortValidator(QObject* parent = nullptr);

    State validate(QString& strInput, int& lPos) const override;

    // The value a finished field is corrected to: the default for no number or one below
    // 1024, 65535 for one above it, the number itself otherwise.
    static int correctedPort(const QString& strText, int lDefault);
};
