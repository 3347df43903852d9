#pragma once
// The tool's own message dialog for every error and information box after start-up.
// Tests answer it through a responder instead of showing it.
#include <QDialog>
#include <QMessageBox>
#include <functional>

class QDialogButtonBox;
class QLabel;

class ClMessageBox : public QDialog
{
    Q_OBJECT

public:
    // Picks the button a person would have pressed; NoButton stands for closing the box.
    using Responder = std::function<QMessageBox::StandardButton(const QString& strText, QMessageBox::StandardButtons)>;

    ClMessageBox(QWidget* parent, const QString& strText, const QString& strTitle,
                 QMessageBox::StandardButtons clButtons);

    // Returns 1 when accepted (OK or Yes), 0 otherwise.
    int exec() override;

    QString text() const;
    // The buttons actually shown: at most one accepting and one rejecting button.
    QMessageBox::StandardButtons shownButtons() const { return clShown; }

    // While a responder is set, exec() asks it instead of showing the dialog.
    static void setTestResponder(Responder fnResponder);

    // The application name every box is titled with.
    static QString applicationTitle();

private:
    QLabel* pclText = nullptr;
    QDialogButtonBox* pclButtons = nullptr;
    QMessageBox::StandardButtons clShown;
};
