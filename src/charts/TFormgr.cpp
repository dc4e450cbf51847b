#include "charts/TFormgr.h"

#include "charts/WindowFrame.h"
#include "controls/Fonts.h"
#include "data/ChartProperties.h"
#include "data/GraphSelection.h"

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

TFormgr::TFormgr(GraphSelection &selection, QWidget *parent)
    : QDialog(parent), m_selection(selection)
{
    setObjectName(QStringLiteral("Formgr"));
    setWindowTitle(QStringLiteral("select"));
    setModal(true);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    move(WindowPos);
    setFixedSize(WindowFrame::clientSize(WindowSize));
    // The first property is the current choice until the user clicks another.
    ListBox2Click(0);
}

bool TFormgr::choose(const QString &caption)
{
    setWindowTitle(caption);
    m_confirmed = false;
    exec();
    return m_confirmed;
}

int TFormgr::currentRow() const
{
    return m_list ? m_list->currentRow() : -1;
}

void TFormgr::setVisible(bool visible)
{
    if (visible && !m_list)
        build();
    QDialog::setVisible(visible);
}

void TFormgr::build()
{
    const QSize client = size();
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox2"));
    m_list->setAccessibleName(QStringLiteral("Propriétés"));
    m_list->setGeometry(0, 0, client.width(), client.height() - PanelHeight);
    for (const ChartProperties::Property &property : ChartProperties::all())
        m_list->addItem(property.text());
    m_list->setCurrentRow(0);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
    auto *ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(64, 8, 75, 25);
    ok->setDefault(true);

    // Arrow keys move the highlight as a click does, so the highlight is always the choice.
    connect(m_list, &QListWidget::currentRowChanged, this, &TFormgr::ListBox2Click);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TFormgr::confirm);
    connect(ok, &QPushButton::clicked, this, &TFormgr::confirm);
}

void TFormgr::ListBox2Click(int row)
{
    if (row < 0 || row >= ChartProperties::Count)
        return;
    const ChartProperties::Property &property = ChartProperties::all()[row];
    m_selection.currentTitle = property.axisTitle();
    m_selection.currentColumn = property.field();
}

void TFormgr::confirm()
{
    m_selection.confirmCurrent();
    m_confirmed = true;
    accept();
}
