#pragma once

#include <QString>

#include <functional>

class TDBEdit;
class TEncartaButton;
class TTextTable;

// Colours the 103 element buttons from the colouring view: opens it at its first record,
// reads the columns through the two hidden reader fields, colours button n from record n
// and closes the view again. The colours stay on the buttons until the next mode.
class TableColourist
{
public:
    using ButtonLookup = std::function<TEncartaButton *(int)>;
    // Decides the look of one button from the texts of the two reader fields.
    using Rule = std::function<void(TEncartaButton &, const QString &, const QString &)>;

    // None of the arguments is owned; all outlive the colourist.
    TableColourist(TTextTable &view, TDBEdit &reader1, TDBEdit &reader2, ButtonLookup buttons);

    // Every caption black; with `silver`, every fill silver in the same pass.
    void resetCaptions(bool silver = false);
    void plainTable();

    // One walk over the records with the readers bound to `column1` and `column2`.
    void scan(const QString &column1, const QString &column2, const Rule &rule);

    // The grey scale of a numeric column: white for its smallest value, black for its
    // greatest, navy where a record has no value. The view is left closed.
    void greyScale(const QString &column);

private:
    void openAtFirst();

    TTextTable &m_view;
    TDBEdit &m_reader1;
    TDBEdit &m_reader2;
    ButtonLookup m_buttons;
};
