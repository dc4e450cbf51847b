#pragma once

#include "table/ElementSearch.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class HoverButton;
class QLabel;
class QLineEdit;
class QWidget;

// The search field of the main window: it opens over the navy area right of the hover panel,
// where it hides no element button, finds elements as the user types (ElementSearch), dims the
// buttons it does not find and frames the match that Return goes to; Down and Up step through
// the matches. Closing it takes the marks away and leaves every button's colours as they were.
class TableSearch : public QObject
{
    Q_OBJECT

public:
    static constexpr int Left = 424;
    static constexpr int Top = 44;
    static constexpr int Width = 192;

    // The field goes on `client`, made at the first opening and then handed to `placed` (may
    // be empty) for its place in the Tab chain; `entries()` gives the elements' texts at each
    // opening; `button(z)` is element z's button. The widgets outlive this object.
    TableSearch(QWidget *client, std::function<std::vector<ElementSearch::Entry>()> entries,
                std::function<HoverButton *(int z)> button, QObject *parent = nullptr,
                std::function<void(QWidget *field)> placed = {});

    // Shows the field with `text` typed into it and gives it the focus.
    void open(const QString &text = {});
    // Takes the marks away and hides the field; the focus goes back where it was.
    void close();
    bool isOpen() const;

    // Null before the first opening.
    QLineEdit *field() const { return m_field; }
    // What the text typed finds, best first, and the match that Return would go to.
    const std::vector<int> &matches() const { return m_matches; }
    std::optional<int> currentMatch() const;

    // The text typed: finds its matches and marks them (what one keystroke costs).
    void search(const QString &text);
    // Down (+1) and Up (-1): the next or previous match, round the ends.
    void step(int direction);

signals:
    // Return on a match: the search has closed, the element is to take the focus.
    void chosen(int z);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeField();
    void mark();
    void choose();
    void closeTowards(QWidget *focusTarget);

    QWidget *m_client;
    std::function<std::vector<ElementSearch::Entry>()> m_entries;
    std::function<HoverButton *(int z)> m_button;
    std::function<void(QWidget *field)> m_placed;
    QLineEdit *m_field = nullptr; // owned by the client area; null before the first opening
    QLabel *m_count = nullptr;    // owned by the client area; null before the first opening
    std::optional<ElementSearch> m_search;
    std::vector<int> m_matches;
    std::size_t m_current = 0;
    QPointer<QWidget> m_focusBefore;
    bool m_closing = false;
};
