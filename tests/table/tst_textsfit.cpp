// Every text the user sees in a box of fixed size fits that box, with the fonts the program
// really draws with: the main window in each colouring mode, its legends, the hover panel
// over each element, the property sheet of each element on each page, and the About box.
// A text fits when its ink stays inside the area its control draws in, inside every panel
// that holds the control, and clear of the controls stacked above it.
#include "MainWindowFixture.h"

#include "controls/HoverButton.h"
#include "controls/TAboutBox.h"
#include "sheet/TForm2.h"
#include "table/ColouringEntries.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyleOptionFrame>
#include <QTabWidget>

namespace {

struct Ink
{
    QRect rect;  // in the control's coordinates
    QRect limit; // where the control lets it be drawn
};

// Where a label draws its lines: QPainter's layout of plain text in the contents rectangle.
QList<Ink> labelInk(const QLabel &label)
{
    const QFontMetrics fm = label.fontMetrics();
    const QRect box = label.contentsRect().marginsRemoved(
        QMargins(label.margin(), label.margin(), label.margin(), label.margin()));
    const QStringList lines = label.text().split(QLatin1Char('\n'));
    const int height = lines.size() * fm.lineSpacing() - fm.leading();
    const Qt::Alignment align = label.alignment();
    int top = box.top() + (box.height() - height) / 2;
    if (align & Qt::AlignTop)
        top = box.top();
    else if (align & Qt::AlignBottom)
        top = box.bottom() + 1 - height;
    QList<Ink> ink;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        const int advance = fm.horizontalAdvance(line);
        int left = box.left();
        if (align & Qt::AlignHCenter)
            left += (box.width() - advance) / 2;
        else if (align & Qt::AlignRight)
            left = box.right() + 1 - advance;
        const int baseline = top + i * fm.lineSpacing() + fm.ascent();
        ink.append({fm.tightBoundingRect(line).translated(left, baseline), label.rect()});
    }
    return ink;
}

// Where a line edit draws its text: QLineEdit's layout within its contents rectangle, two
// pixels in from the sides. A text wider than that scrolls, and part of it is always hidden.
QList<Ink> lineEditInk(const QLineEdit &edit)
{
    const QString text = edit.displayText();
    if (text.trimmed().isEmpty())
        return {};
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = edit.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                               .marginsRemoved(edit.textMargins());
    const QFontMetrics fm = edit.fontMetrics();
    const int lineHeight = std::max(fm.boundingRect(text).height(), fm.height());
    int top = contents.y() + (contents.height() - lineHeight + 1) / 2;
    if (edit.alignment() & Qt::AlignTop)
        top = contents.y() + 1;
    else if (edit.alignment() & Qt::AlignBottom)
        top = contents.bottom() + 1 - lineHeight - 1;
    const QRect line = contents.adjusted(2, 0, -2, 0);
    const int advance = fm.horizontalAdvance(text);
    if (advance + 1 > line.width()) // scrolled: report the whole text as running out
        return {{QRect(line.left(), top, advance, lineHeight), contents}};
    int left = line.left();
    if (edit.alignment() & Qt::AlignHCenter)
        left += (line.width() - advance) / 2;
    else if (edit.alignment() & Qt::AlignRight)
        left = line.right() + 1 - advance;
    return {{fm.tightBoundingRect(text).translated(left, top + fm.ascent()), contents}};
}

// A memo wraps its text to its width, below and beside the document's margin: all of it
// must show without scrolling.
QList<Ink> memoInk(const QPlainTextEdit &memo)
{
    if (memo.toPlainText().trimmed().isEmpty())
        return {};
    const QRect viewport(QPoint(), memo.viewport()->size());
    const int margin = qRound(memo.document()->documentMargin());
    const int lines = qRound(memo.document()->documentLayout()->documentSize().height());
    const QRect ink(margin, margin, viewport.width() - 2 * margin,
                    lines * memo.fontMetrics().lineSpacing());
    return {{ink.translated(memo.viewport()->pos()), viewport.translated(memo.viewport()->pos())}};
}

// A self-drawn button centres its caption inside its one-pixel frame.
QList<Ink> captionInk(const HoverButton &button)
{
    if (button.Caption().isEmpty())
        return {};
    const QFontMetrics fm = button.fontMetrics();
    const QSize size(fm.horizontalAdvance(button.Caption()), fm.ascent());
    QRect ink(QPoint(), size);
    ink.moveCenter(button.rect().center());
    return {{ink, button.rect().adjusted(1, 1, -1, -1)}};
}

QList<Ink> inkOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->pixmap().isNull() ? labelInk(*label) : QList<Ink>();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return lineEditInk(*edit);
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return memoInk(*memo);
    if (auto *button = qobject_cast<const HoverButton *>(widget))
        return captionInk(*button);
    return {};
}

QString rectText(const QRect &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString describe(const QWidget *widget, const QString &text, const QString &why)
{
    QStringList path;
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
    return QStringLiteral("%1 \"%2\": %3").arg(path.join(QLatin1Char('/')), text, why);
}

QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->displayText();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return memo->toPlainText();
    if (auto *button = qobject_cast<const HoverButton *>(widget))
        return button->Caption();
    return {};
}

// The first reason why the ink of `widget` does not show whole, or nothing.
QString fault(const QWidget *widget, const Ink &ink)
{
    if (!ink.limit.contains(ink.rect))
        return QStringLiteral("ink %1 outside the box's %2")
            .arg(rectText(ink.rect), rectText(ink.limit));
    QRect rect = ink.rect;
    for (const QWidget *w = widget; w->parentWidget() && !w->isWindow(); w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        rect.translate(w->pos());
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto *above = qobject_cast<const QWidget *>(siblings[i]);
            if (above && !above->isWindow() && above->isVisible() &&
                above->geometry().intersects(rect))
                return QStringLiteral("covered by %1 %2 at %3")
                    .arg(QString::fromLatin1(above->metaObject()->className()), above->objectName(),
                         rectText(above->geometry()));
        }
        // A scroll area's content is scrolled to, not clipped.
        auto *area = qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
        if (area && area->viewport() == parent)
            break;
        if (!parent->rect().contains(rect))
            return QStringLiteral("runs out of %1").arg(parent->objectName());
    }
    return {};
}

// Walks the controls of `root` that are showing.
void check(const QWidget *root, QStringList &faults)
{
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        // The list's separator entries are rules of hyphens, meant to run past any box.
        if (textOf(widget).count(QLatin1Char('-')) == textOf(widget).size())
            continue;
        for (const Ink &ink : inkOf(widget)) {
            const QString why = fault(widget, ink);
            const QString entry = describe(widget, textOf(widget), why);
            if (!why.isEmpty() && !faults.contains(entry))
                faults << entry;
        }
    }
}

void checkEveryPage(const TForm2 &sheet, QStringList &faults)
{
    auto *pages = sheet.findChild<QTabWidget *>();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        check(&sheet, faults);
    }
    pages->setCurrentIndex(0);
}

} // namespace

class TestTextsFit : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFitsItsBox();
};

void TestTextsFit::everyTextFitsItsBox()
{
    MainWindowFixture f;
    QStringList faults;
    // Each mode with its legend; in the numeric ones, the hovered element's value too.
    const QWidget *numericLegend = f.child<QWidget>(QStringLiteral("Panel2"));
    for (int entry = 0; entry < ColouringEntries::Count; ++entry) {
        f.choose(entry);
        check(f.form.get(), faults);
        for (int z = 1; z <= 103 && entry >= ColouringEntries::FirstNumeric; ++z) {
            QTest::mouseMove(f.button(z), QPoint(12, 12));
            check(numericLegend, faults);
        }
    }
    for (int z = 1; z <= 103; ++z) {
        QTest::mouseMove(f.button(z), QPoint(12, 12));
        check(f.child<QWidget>(QStringLiteral("Panel1")), faults);
    }

    for (const char *name : {"struct.yop", "iso.yop"})
        QVERIFY(QFile::copy(QStringLiteral(MIRELON_SHARE_DIR "/") + QLatin1String(name),
                            f.path(QLatin1String(name))));
    f.state.selectedElement = 1;
    TForm2 sheet(f.state);
    sheet.show();
    auto *next = sheet.findChild<HoverButton *>(QStringLiteral("AOLButton2"));
    for (int z = 1; z <= 103; ++z) {
        QCOMPARE(sheet.findChild<QLineEdit *>(QStringLiteral("DB_NO_AT"))->text(),
                 QString::number(z));
        checkEveryPage(sheet, faults);
        QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(10, 10));
    }
    sheet.close();

    TAboutBox about;
    about.show();
    check(&about, faults);
    for (const QString &entry : faults)
        qWarning().noquote() << entry;
    QVERIFY2(faults.isEmpty(), "texts do not fit their boxes (listed above)");
}

QTEST_MAIN(TestTextsFit)
#include "tst_textsfit.moc"
