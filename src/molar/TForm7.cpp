#include "molar/TForm7.h"

#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/TSelButton.h"
#include "data/Numbers.h"
#include "molar/DialogLayout.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace {

using Kind = DialogItem::Kind;
const DialogItem Items[] = {
    {Kind::Text,
     "StaticText1",
     "Saisissez le % massique (doit être < a la valeur indiquée)",
     {0, 8, 0, 0},
     11,
     true},
    {Kind::Text,
     "StaticText2",
     "et modifiez eventuellement la masse molaire",
     {24, 24, 0, 0},
     11,
     true},
    {Kind::Text, "Label1", "Element :", {104, 48, 0, 0}, 15, true},
    {Kind::Text, "Label2", "Masse Molaire (g/mol) :", {8, 80, 0, 0}, 15, true},
    {Kind::Text, "Label3", "% massique : ", {72, 112, 0, 0}, 15, true},
    {Kind::ReadOnlyField, "Edit1", "", {176, 48, 121, 21}, 0, false},
    {Kind::Field, "Edit2", "", {176, 80, 121, 21}, 0, false},
    {Kind::Field, "Edit3", "", {176, 112, 121, 21}, 0, false},
};

} // namespace

TForm7::TForm7(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Données"));
    setModal(true);
    setFixedSize(350, 185);
    move(238, 134);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setAutoFillBackground(true);
    report = [](const QString &message, QWidget *over) { showErrorBox(message, over); };
}

void TForm7::build()
{
    if (m_symbol)
        return;
    const std::vector<QLineEdit *> fields = buildDialogItems(this, Items);
    m_symbol = fields.at(0);
    m_molarMass = fields.at(1);
    m_percentField = fields.at(2);
    auto *ok = new TSelButton(this);
    ok->setObjectName(QStringLiteral("SelButton1"));
    ok->setGeometry(112, 144, 97, 25);
    ok->setCaption(QStringLiteral("OK"));
    ok->setColor(QColor(0x00, 0x80, 0xC0));
    ok->setColorBorder(Qt::black);
    ok->setColorOver(QColor(0x84, 0xB9, 0xA4));
    ok->setColorDown(QColor(0x84, 0xB9, 0xA4));
    ok->setAlignment(TSelButton::CaptionAlignment::Center);
    ok->setBorderWidth(1);
    ok->setFont(pixelFont(QStringLiteral("Arial"), 15, true));
    ok->setFontColor(Qt::black);
    connect(ok, &TSelButton::clicked, this, &TForm7::SelButton1Click);
}

bool TForm7::run(const QString &symbol, const QString &molarMass, const QString &proposedPercent)
{
    build();
    m_symbol->setText(symbol);
    m_molarMass->setText(molarMass);
    m_percentField->setText(proposedPercent);
    // Ready for the percentage to be typed over the proposed one.
    m_percentField->setFocus();
    m_percentField->selectAll();
    return exec() == QDialog::Accepted;
}

QString TForm7::molarMassText() const
{
    return m_molarMass ? m_molarMass->text() : QString();
}

QString TForm7::percentText() const
{
    return m_percentField ? m_percentField->text() : QString();
}

void TForm7::SelButton1Click()
{
    const std::optional<double> value = Numbers::parseDecimal(percentText());
    if (!value) {
        report(QStringLiteral("entrez une valeur numerique!"), this);
        return;
    }
    m_percent = *value;
    accept();
}

void TForm7::showEvent(QShowEvent *event)
{
    build();
    QDialog::showEvent(event);
}

void TForm7::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // Without a caption bar the dialog keeps a raised edge, so that it stands out of the window
    // below it.
    QPainter painter(this);
    painter.setPen(QColor(0xF8, 0xF4, 0xED));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(QColor(0x4F, 0x4F, 0x4F));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

void TForm7::keyPressEvent(QKeyEvent *event)
{
    // Enter confirms as "OK" does; Escape cancels, as any dialog's.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        SelButton1Click();
    else
        QDialog::keyPressEvent(event);
}
