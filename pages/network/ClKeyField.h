#pragma once
// A line edit for a network name or key that takes only what the camera can store, and
// says why when it refuses a keystroke or a paste.
#include <QWidget>

class QLabel;
class QLineEdit;

class ClKeyField : public QWidget
{
    Q_OBJECT

public:
    // strPattern: the characters and lengths allowed; strReason: the translated reason
    // shown when the field refuses input.
    ClKeyField(const QString& strObjectName, const QString& strPattern, const QString& strReason,
               QWidget* parent = nullptr);

    QLineEdit* edit() const { return pclEdit; }
    QLabel* reason() const { return pclReason; }
    QString text() const;
    void clear();

private:
    QLineEdit* pclEdit = nullptr;
    QLabel* pclReason = nullptr;
    QString strReasonText;
};
