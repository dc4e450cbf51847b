#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

// "Masse molaire": asks for the compound's molar mass at the end of "% --> FORMULE". Its
// field keeps its text from one use to the next. Created hidden at start-up; its controls are
// made at first use.
class TForm8 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);

    // Shows the dialog modally; the typed text when "OK" closed it, nothing otherwise.
    std::optional<QString> run();
    QString text() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();

    QLineEdit *m_field = nullptr; // made at first use
};
