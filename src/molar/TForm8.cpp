#include "molar/TForm8.h"

#include "controls/Fonts.h"
#include "molar/DialogLayout.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using Kind = DialogItem::Kind;
const DialogItem Items[] = {
    {Kind::Text,
     "StaticText1",
     "Si vous connaissez la masse molaire de ce composé",
     {8, 0, 0, 0},
     15,
     true},
    {Kind::Text, "StaticText2", "veuillez la saisir ci dessous", {16, 16, 0, 0}, 15, true},
    {Kind::Field, "Edit1", "", {56, 56, 121, 21}, 0, false},
};

} // namespace

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Masse molaire"));
    setModal(true);
    setFixedSize(388, 132);
    move(199, 126);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
}

void TForm8::build()
{
    if (m_field)
        return;
    m_field = buildDialogItems(this, Items).front();
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(240, 56, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<QString> TForm8::run()
{
    build();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return text();
}

QString TForm8::text() const
{
    return m_field ? m_field->text() : QString();
}

void TForm8::showEvent(QShowEvent *event)
{
    build();
    QDialog::showEvent(event);
}
