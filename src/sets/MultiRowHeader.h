#pragma once

#include <QHeaderView>

// A horizontal header whose titles may take two rows: the text before the first vertical bar
// is drawn above the text after it; a title without a bar is centred on the header's height.
// The header is as high as the model's titles need, whichever sections it shows, so that
// two views over one model keep headers of the same height. A row wider than its column in
// the header's font is drawn in a narrower one; a title that still does not fit (a column
// the user narrowed) shows whole in a tool tip.
class MultiRowHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit MultiRowHeader(QWidget *parent = nullptr);

    // The rows of a title, one or two.
    static QStringList titleRows(const QString &title);

    QSize sizeHint() const override;

    // The font a title row is drawn in, in a section `sectionWidth` pixels wide.
    QFont rowFont(const QString &row, int sectionWidth) const;
    // Where a section's title rows are drawn, within the section's lines.
    static QRect rowsRect(const QRect &section);

protected:
    bool viewportEvent(QEvent *event) override;
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    int rowHeight() const;
};
