#pragma once

#include <QDialog>

class QListWidget;
struct GraphSelection;

// The chart property chooser: a list of the chartable properties (ChartProperties) and an "OK"
// button. Created once at start-up and kept for the whole run, so that the highlighted item
// survives from one use to the next; its contents are built at first show.
class TFormgr : public QDialog
{
    Q_OBJECT

public:
    // Outer window size and place, and the height of the bottom panel holding "OK".
    static constexpr QSize WindowSize{202, 283};
    static constexpr QPoint WindowPos{301, 142};
    static constexpr int PanelHeight = 41;

    // `selection` is the program-wide graph selection; it outlives the chooser.
    explicit TFormgr(GraphSelection &selection, QWidget *parent = nullptr);

    // Shows the chooser modally under `caption`. True when the user confirmed a choice
    // ("OK" or a double click), which has then been copied into the selection's X part
    // while the X part is empty and into its Y part otherwise; false when the chooser
    // was closed without confirming, the selection left as it was.
    bool choose(const QString &caption);

    // The highlighted list row; -1 before the first show.
    int currentRow() const;

    // Builds the contents before the first show, so they are shown with the window.
    void setVisible(bool visible) override;

private:
    void build();
    void ListBox2Click(int row);
    void confirm();

    GraphSelection &m_selection;
    QListWidget *m_list = nullptr; // owned by the dialog, built at first show
    bool m_confirmed = false;
};
