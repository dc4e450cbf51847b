#pragma once

#include "sets/SetsColumn.h"

#include <QDialog>

class QListWidget;

// The sets window's column chooser: a list of the properties a column may show. A click on
// an entry tells the sets window to hold its column ready; "OK" (or a double click) accepts
// the dialog so that the sets window appends that column, "Annuler" rejects it and keeps what
// was held. Created once at start-up and shown modally; the list keeps its selection. Its
// controls are built at the first show.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 240;
    static constexpr int ClientHeight = 323;
    static constexpr int PanelHeight = 41;

    explicit TForm4(QWidget *parent = nullptr);

    void setVisible(bool visible) override;

    void ListBox1Click();
    void Button2Click(); // "OK"

signals:
    // An entry chosen: its column, as the sets window appends it.
    void columnChosen(const SetsColumn &column);

private:
    void buildContents();
    void buildButtons();

    QListWidget *m_list = nullptr; // owned by the dialog; null until the first show
};
