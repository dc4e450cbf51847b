#pragma once

#include <QDialog>

class QListWidget;
struct ProgramState;

// The sets window's column chooser: a list of the properties a column may show. A click on
// an entry holds its column ready in the program state; "OK" (or a double click) accepts the
// dialog so that the sets window appends that column, "Annuler" rejects it and keeps what
// was held. Created once at start-up and shown modally; the list keeps its selection. Its
// controls are built at the first show.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 240;
    static constexpr int ClientHeight = 323;
    static constexpr int PanelHeight = 41;

    // `state` holds the pending column; it outlives the dialog.
    explicit TForm4(ProgramState &state, QWidget *parent = nullptr);

    void setVisible(bool visible) override;

    void ListBox1Click();
    void Button2Click(); // "OK"

private:
    void buildContents();
    void buildButtons();

    ProgramState &m_state;
    QListWidget *m_list = nullptr; // owned by the dialog; null until the first show
};
