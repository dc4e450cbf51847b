#pragma once

#include <QVector>
#include <QWidget>

class ElementStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// The modeless window « Calculs »: one tab per page of Calculations::pages(), one group of
// fields per calculation, built from that table. Return computes the calculation whose field
// has the focus; its result (or refusal) shows in a label whose accessible name holds the text
// as shown, and « Copier » puts it on the clipboard. Reads the store's records at each
// computation; the store outlives the window.
class CalculsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CalculsWindow(const ElementStore &store, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }

private:
    struct Group
    {
        int page = 0;
        int calculation = 0;
        QVector<QLineEdit *> edits;
        QVector<QComboBox *> units;
        QLabel *result = nullptr;
        QString copied;
    };

    QWidget *buildPage(int page);
    void buildGroup(QWidget *parent, class QVBoxLayout *layout, int page, int calculation);
    void compute(Group &group);
    void focusFirstField();
    void keyPressEvent(class QKeyEvent *event) override;

    const ElementStore &m_store;
    QTabWidget *m_tabs = nullptr;
    QVector<Group> m_groups;
};
