#include "controls/Fonts.h"

#include "controls/CaptionLabel.h"
#include "controls/SharedFace.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QPicture>
#include <QPointer>
#include <QStyle>
#include <QTextDocument>
#include <QtMath>

namespace {

const QString Narrow = QStringLiteral("Arial Narrow");
const QString Serif = QStringLiteral("Times New Roman");
constexpr int SmallestPixels = 8;
// No narrow serif is installed: the serif face is drawn condensed to about the narrow
// sans face's proportion instead.
constexpr int CondensedSerif = 88;

} // namespace

QString installedFamily(const QString &family)
{
    // Asked for by a Windows name, a font goes through a search of the fallback families at
    // each new size; asked for by the installed family, it is found at once. Each name is
    // looked up once. MS Sans Serif stays: the formula layout tells a bitmap face by its name.
    static const QHash<QString, QString> installed = [] {
        QHash<QString, QString> found;
        const std::pair<QString, QString> stands[] = {
            {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
            {Narrow, QStringLiteral("Liberation Sans Narrow")},
            {Serif, QStringLiteral("Liberation Serif")},
        };
        // One list of the installed families serves all three: asking the database for each
        // family by name costs a pass through fontconfig's aliases each time.
        const QStringList families = QFontDatabase::families();
        for (const auto &[name, family] : stands)
            if (families.contains(family, Qt::CaseInsensitive))
                found.insert(name, family);
        return found;
    }();
    return installed.value(family, family);
}

QFont installedPixelFont(const QString &family, int pixelHeight, bool bold)
{
    // MS Sans Serif is drawn with the face that stands in for Arial; asked for by that face's
    // name, the font skips the failed search for the Windows name and its own list of
    // fallback families.
    const QString asked = family == QLatin1String("MS Sans Serif")
                              ? installedFamily(QStringLiteral("Arial"))
                              : family;
    return pixelFont(asked, pixelHeight, bold);
}

QFont pixelFont(const QString &family, int pixelHeight, bool bold)
{
    QFont font(installedFamily(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(Narrow, QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

int textWidth(const QFontMetrics &metrics, const QString &text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).right() + 1);
}

QFont fittingFont(const QFont &font, const QString &text, int width)
{
    if (textWidth(QFontMetrics(font), text) <= width)
        return font;
    QFont narrow = font;
    if (font.family() == Serif || font.family() == installedFamily(Serif))
        narrow.setStretch(CondensedSerif);
    else
        narrow.setFamily(installedFamily(Narrow));
    while (textWidth(QFontMetrics(narrow), text) > width) {
        if (narrow.pixelSize() <= SmallestPixels)
            return font;
        narrow.setPixelSize(narrow.pixelSize() - 1);
    }
    return narrow;
}

QFont fontForHeight(const QFont &font, int height)
{
    QFont fitted = font;
    while (fitted.pixelSize() > SmallestPixels && QFontMetrics(fitted).height() > height)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

bool oneLineOfPlainText(const QLabel *label)
{
    const bool plain = label->textFormat() == Qt::PlainText ||
                       (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
    return plain && !label->text().isEmpty() && !label->wordWrap() && !label->buddy() &&
           (label->indent() == 0 || (label->indent() < 0 && label->frameWidth() == 0)) &&
           label->pixmap().isNull() && label->picture().isNull() && !label->movie();
}

void sizeToText(QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    // Its size hint measures such a label by the text's bounds alone.
    const bool plain = oneLineOfPlainText(label) && label->minimumWidth() == 0;
    // A line the font's shared face draws is measured from the face, as the metrics would
    // measure it: the font need not be loaded at its own size for it.
    std::optional<SharedLine> shared;
    if (plain) {
        if (auto *caption = dynamic_cast<CaptionLabel *>(label)) {
            if (const SharedLine *line = caption->shapedText())
                shared = *line;
        } else {
            shared = sharedLine(label->text(), label->font());
        }
    }
    QSize size;
    if (plain) {
        // The size the label's own hint gives, measured once: the hint measures the text three
        // times over (for its size, its least width and its height on one line).
        const QMargins margins = label->contentsMargins();
        const int extra = 2 * label->margin();
        QSize bounds;
        if (shared) {
            bounds = QSize(qCeil(shared->naturalWidth), qCeil(shared->height));
        } else {
            const int flags =
                int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) &
                ~(Qt::AlignVCenter | Qt::AlignHCenter);
            bounds = metrics
                         .boundingRect(0, 0, 2000 - extra - margins.left() - margins.right(), 2000,
                                       flags, label->text())
                         .size();
        }
        size = QSize(bounds.width() + extra + margins.left() + margins.right(),
                     bounds.height() + extra + margins.top() + margins.bottom())
                   .expandedTo(label->minimumSize());
    } else {
        label->adjustSize();
        size = label->size();
    }
    const int ink = shared ? std::max(qRound(shared->advance), shared->inkRight())
                           : textWidth(metrics, label->text());
    label->resize(std::max(size.width(), ink), size.height());
}

namespace {

// A default font set by the program is no longer replaced by Qt when the desktop's
// changes: this puts the desktop's in its place, as Qt would have.
class DesktopFontFollower : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ThemeChange && watched->isWindowType()) {
            const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
            if (QGuiApplication::font() != desktop)
                QGuiApplication::setFont(desktop);
        }
        return false;
    }
};

} // namespace

void withDefaultFont(const QFont &font, const std::function<void()> &build)
{
    static QPointer<QObject> follower; // one for each application object
    if (!follower) {
        follower = new DesktopFontFollower(qApp);
        qApp->installEventFilter(follower);
    }
    const QFont desktop = QGuiApplication::font();
    // The application's own setFont would also drop the fonts of menus and tool tips.
    QGuiApplication::setFont(font);
    struct Restore
    {
        QFont font;
        ~Restore() { QGuiApplication::setFont(font); }
    } restore{desktop};
    build();
}
