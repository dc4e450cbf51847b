#include "controls/TAboutBox.h"

#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "controls/WindowCentre.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QUrl>

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QString TAboutBox::contactAddress()
{
    return QStringLiteral("mirelon@example.org");
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    setFixedSize(353, 212);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette background = palette();
    background.setColor(QPalette::Window, Silver);
    setPalette(background);
    setAutoFillBackground(true);

    auto *panel = new TBevelPanel(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 337, 161);
    panel->setBevelOuter(TBevelPanel::Bevel::Lowered);
    panel->setBevelInner(TBevelPanel::Bevel::Raised);

    // The label centres its three lines itself: leading blanks would centre them only in
    // the font they were counted for.
    QLabel *product = addLabel(panel, "ProductName",
                               QStringLiteral("MIRELON 2\n"
                                              "Tableau périodique des élements\n"
                                              "Proprietés des corps simples"),
                               QRect(73, 16, 188, 39));
    product->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    product->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    addLabel(panel, "Label3", QString(), QRect(9, 80, 316, 13));

    m_address = addLabel(panel, "statictext1", contactAddress(), QRect(105, 120, 134, 17));
    QFont link = pixelFont(QStringLiteral("MS Sans Serif"), 11, true);
    link.setUnderline(true);
    m_address->setFont(link);
    QPalette linkColours = m_address->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
    linkColours.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    m_address->setPalette(linkColours);
    m_address->setAutoFillBackground(true);
    m_address->setCursor(Qt::PointingHandCursor);
    m_address->setToolTip(QStringLiteral("Cliquez pour m'envoyer un message"));
    m_address->installEventFilter(this);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(135, 180, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_address && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // No mail program is not worth a message: the dialog simply stays open.
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + contactAddress()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}
