#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;

// "Données": asks for one element's mass percentage (and lets its molar mass be changed)
// during "% --> FORMULE". It has no caption bar, hence no close box: "OK" with a number goes
// on, Escape gives up. Created hidden at start-up; its controls are made at first use.
class TForm7 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);

    // Fills the fields and shows the dialog modally; true once "OK" has taken a number, false
    // when Escape gave up.
    bool run(const QString &symbol, const QString &molarMass, const QString &proposedPercent);

    QString molarMassText() const;
    QString percentText() const;
    // The percentage that "OK" accepted.
    double percent() const { return m_percent; }

    // Shows "entrez une valeur numerique!" over the dialog; replaceable for tests.
    std::function<void(const QString &message, QWidget *over)> report;

    void SelButton1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void build();
    // Made at first use: the symbol (read-only), the molar mass and the percentage.
    QLineEdit *m_symbol = nullptr;
    QLineEdit *m_molarMass = nullptr;
    QLineEdit *m_percentField = nullptr;
    double m_percent = 0;
};
