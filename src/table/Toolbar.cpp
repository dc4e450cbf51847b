#include "table/Toolbar.h"

#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "controls/TEncartaButton.h"
#include "table/ColouringModes.h"
#include "table/ToolbarGlyphs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr int Height = 33;

struct SpeedButtonRow
{
    const char *name;
    int left;
};
constexpr SpeedButtonRow SpeedButtons[] = {
    {"RxSpeedButton1", 8}, {"RxSpeedButton2", 40}, {"RxSpeedButton3", 72}};

TEncartaButton *buildModeButton(QWidget *speedBar)
{
    auto *molar = new TEncartaButton(speedBar);
    molar->setObjectName(QStringLiteral("EncartaButton1"));
    molar->setGeometry(104, 6, 105, 22);
    molar->setCaption(QStringLiteral("Mode M / %"));
    molar->setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    molar->setColor(QColor(0xF9, 0xB0, 0x68));
    molar->setColorOver(QColor(0x1E, 0xD7, 0xBB));
    molar->setColorDown(QColor(0xD8, 0xBE, 0x0A));
    molar->setColorBorder(Qt::black);
    molar->setToolTip(QStringLiteral("Cliquez ici  pour calculer la masse molaire d\"un composé "
                                     "et son pourcentage massique."));
    return molar;
}

QComboBox *buildColouringList(QWidget *speedBar)
{
    auto *combo = new QComboBox(speedBar);
    combo->setObjectName(QStringLiteral("combobox1"));
    combo->setGeometry(224, 6, 169, 21);
    withDefaultFont(combo->font(), [combo] { combo->setEditable(true); });
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr); // a typed text is taken as it stands
    combo->setMaxVisibleItems(15);
    combo->addItems(ColouringModes::shipped().entries());
    combo->setCurrentIndex(-1);
    combo->setEditText(QStringLiteral("Propriétés"));
    // The longest entries take a narrower face rather than scroll out of the box.
    QLineEdit *entry = combo->lineEdit();
    for (QWidget *list : {static_cast<QWidget *>(combo), static_cast<QWidget *>(entry)})
        list->setAccessibleName(QStringLiteral("Coloration du tableau"));
    QObject::connect(combo, &QComboBox::editTextChanged, entry, [entry](const QString &text) {
        entry->setFont(fittingFont(entry->parentWidget()->font(), text, entry->width() - 5));
    });
    return combo;
}

} // namespace

namespace Toolbar {

ToolbarControls build(QWidget *client, int width, const std::array<QAction *, 3> &graphActions)
{
    ToolbarControls controls;
    controls.speedBar = new TBevelPanel(client);
    controls.speedBar->setObjectName(QStringLiteral("SpeedBar1"));
    controls.speedBar->setColor(QApplication::palette().color(QPalette::Button));
    controls.speedBar->setGeometry(0, 0, width, Height);

    const QPixmap glyphs[] = {ToolbarGlyphs::graphXY(), ToolbarGlyphs::graphLC(),
                              ToolbarGlyphs::graph3D()};
    for (std::size_t i = 0; i < graphActions.size(); ++i) {
        auto *button = controls.imageButtons[i] = new QToolButton(controls.speedBar);
        button->setObjectName(QString::fromLatin1(SpeedButtons[i].name));
        graphActions[i]->setIcon(QIcon(glyphs[i]));
        // The glyph belongs to the speed button; the menu entry stays plain text.
        graphActions[i]->setIconVisibleInMenu(false);
        button->setDefaultAction(graphActions[i]);
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        button->setGeometry(SpeedButtons[i].left, 4, 25, 25);
    }

    controls.modeButton = buildModeButton(controls.speedBar);
    controls.colouringList = buildColouringList(controls.speedBar);
    return controls;
}

} // namespace Toolbar
