#include "calculs/CalculsWindow.h"

#include "calculs/Calculations.h"
#include "controls/ErrorBox.h"
#include "data/ElementStore.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString objectNameOf(const QString &caption)
{
    QString name;
    for (const QChar c : caption.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            name += c;
    }
    return name;
}

} // namespace

CalculsWindow::CalculsWindow(const ElementStore &store, QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store)
{
    setObjectName(QStringLiteral("Calculs"));
    setWindowTitle(QStringLiteral("Calculs"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("CalculsPages"));
    const QVector<Calculations::Page> &pages = Calculations::pages();
    m_groups.reserve(8);
    for (int page = 0; page < pages.size(); ++page)
        m_tabs->addTab(buildPage(page), pages[page].title);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    // The property sheet's keys: Ctrl+Tab and Ctrl+PageDown forward, with Shift or PageUp back.
    auto step = [this](int by) {
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + by + m_tabs->count()) % m_tabs->count());
    };
    for (const auto &[keys, by] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [step, by = by] { step(by); });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &CalculsWindow::focusFirstField);
    resize(560, 520);
    focusFirstField();
}

QWidget *CalculsWindow::buildPage(int page)
{
    auto *widget = new QWidget;
    widget->setObjectName(objectNameOf(Calculations::pages()[page].title));
    auto *layout = new QVBoxLayout(widget);
    for (int c = 0; c < Calculations::pages()[page].calculations.size(); ++c)
        buildGroup(widget, layout, page, c);
    layout->addStretch();
    return widget;
}

void CalculsWindow::buildGroup(QWidget *parent, QVBoxLayout *layout, int page, int calculation)
{
    const Calculations::Calculation &chosen = Calculations::pages()[page].calculations[calculation];
    auto *box = new QGroupBox(chosen.title, parent);
    layout->addWidget(box);
    auto *form = new QFormLayout(box);
    m_groups.push_back(Group{page, calculation, {}, {}, nullptr, {}});
    const int index = m_groups.size() - 1;
    for (const Calculations::Field &field : chosen.fields) {
        auto *edit = new QLineEdit(box);
        edit->setObjectName(objectNameOf(field.name));
        edit->setAccessibleName(field.name);
        auto *row = new QHBoxLayout;
        row->addWidget(edit, 1);
        QComboBox *units = nullptr;
        if (!field.units.isEmpty()) {
            units = new QComboBox(box);
            units->setObjectName(objectNameOf(field.name) + QStringLiteral("Unit"));
            units->setAccessibleName(QStringLiteral("Unité de ") + field.name);
            for (const Calculations::Unit &unit : field.units)
                units->addItem(unit.name);
            row->addWidget(units);
        }
        form->addRow(field.name, row);
        connect(edit, &QLineEdit::returnPressed, this,
                [this, index] { guarded(this, [this, index] { compute(m_groups[index]); }); });
        m_groups[index].edits << edit;
        m_groups[index].units << units;
    }
    // "EquationResult", "ConcentrationResult2": the page, then the calculation from the second.
    const QString suffix = calculation > 0 ? QString::number(calculation + 1) : QString();
    const QString pageName = objectNameOf(Calculations::pages()[page].title);
    auto *result = new QLabel(box);
    result->setObjectName(pageName + QStringLiteral("Result") + suffix);
    result->setTextFormat(Qt::RichText);
    result->setWordWrap(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result->setAccessibleName(QStringLiteral("Résultat"));
    m_groups[index].result = result;
    auto *buttons = new QHBoxLayout;
    auto *run = new QPushButton(QStringLiteral("Calculer"), box);
    auto *copy = new QPushButton(QStringLiteral("&Copier"), box);
    copy->setObjectName(pageName + QStringLiteral("Copy") + suffix);
    buttons->addWidget(run);
    buttons->addWidget(copy);
    buttons->addStretch();
    form->addRow(result);
    form->addRow(buttons);
    connect(run, &QPushButton::clicked, this,
            [this, index] { guarded(this, [this, index] { compute(m_groups[index]); }); });
    connect(copy, &QPushButton::clicked, this,
            [this, index] { QApplication::clipboard()->setText(m_groups[index].copied); });
}

void CalculsWindow::compute(Group &group)
{
    const Calculations::Calculation &chosen =
        Calculations::pages()[group.page].calculations[group.calculation];
    QVector<Calculations::Entry> entries;
    for (int i = 0; i < group.edits.size(); ++i)
        entries.push_back(
            {group.edits[i]->text(), group.units[i] ? group.units[i]->currentIndex() : 0});
    const Calculations::Result result = chosen.rule(entries, m_store.records());
    if (result.failed()) {
        group.result->setText(QStringLiteral("<span style=\"color:#a00000\">%1</span>")
                                  .arg(result.error.toHtmlEscaped()));
        group.copied = result.error;
    } else {
        group.result->setText(result.rich);
        group.copied = result.plain;
    }
    group.result->setAccessibleName(group.copied);
}

void CalculsWindow::focusFirstField()
{
    for (const Group &group : m_groups) {
        if (group.page == m_tabs->currentIndex()) {
            group.edits.front()->setFocus();
            return;
        }
    }
}

void CalculsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
