#include "sets/TForm4.h"

#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "sets/SetsEntries.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include <iterator>

namespace {

struct ButtonRow
{
    const char *name;
    const char *caption;
    int left;
};
constexpr ButtonRow Buttons[] = {{"Button1", "Annuler", 32}, {"Button2", "OK", 133}};
constexpr int ButtonTop = 8;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

} // namespace

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Ajouter un Ensemble"));
    setModal(true);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
}

void TForm4::setVisible(bool visible)
{
    // Built before the base class shows the children, so that they are shown with it.
    if (visible && !m_list)
        buildContents();
    // Every opening starts in the list, whichever button closed the last one: Return is
    // "OK" (the default button), not the button that kept the focus.
    if (visible)
        m_list->setFocus();
    QDialog::setVisible(visible);
}

void TForm4::buildContents()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setGeometry(0, 0, ClientWidth, ClientHeight - PanelHeight);
    for (int entry = 0; entry < SetsEntries::Count; ++entry)
        m_list->addItem(SetsEntries::text(entry));
    // No entry is current until one is chosen: the list taking the focus would otherwise make
    // the first entry current unchosen, and the first arrow key would skip it.
    m_list->setCurrentIndex(QModelIndex());
    // Arrow keys choose as a click does; the focus alone chooses nothing.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TForm4::ListBox1Click);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        ListBox1Click();
        Button2Click();
    });
    buildButtons();
}

void TForm4::buildButtons()
{
    auto *panel = new TBevelPanel(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setColor(QApplication::palette().color(QPalette::Button));
    panel->setGeometry(0, ClientHeight - PanelHeight, ClientWidth, PanelHeight);
    QPushButton *made[std::size(Buttons)] = {};
    for (std::size_t i = 0; i < std::size(Buttons); ++i) {
        const ButtonRow &row = Buttons[i];
        auto *button = made[i] = new QPushButton(QString::fromLatin1(row.caption), panel);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry(row.left, ButtonTop, ButtonWidth, ButtonHeight);
    }
    QPushButton *cancel = made[0];
    QPushButton *ok = made[1];
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::ListBox1Click()
{
    if (!m_list)
        return;
    // The selection, not the current row: a key move selects before it moves the current row.
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const SetsColumn column = SetsEntries::column(m_list->row(selected.first()));
    emit columnChosen({column.field, column.title, column.width});
}

void TForm4::Button2Click()
{
    accept();
}
