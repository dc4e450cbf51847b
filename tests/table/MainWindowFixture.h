#pragma once

// A main window on its own copy of the shipped element table, in a scratch data folder, for
// the tests of the main window's behaviour.
#include "TestFiles.h"
#include "controls/Fonts.h"
#include "controls/PictureSaves.h"
#include "controls/TEncartaButton.h"
#include "data/ElementColumns.h"
#include "data/ProgramState.h"
#include "data/TStrGrid.h"
#include "table/TForm1.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

#include <functional>
#include <memory>

// Picks entry `index` of a list as the user does: in its drop-down list.
inline void chooseInList(QComboBox &list, int index)
{
    list.showPopup();
    QAbstractItemView *view = list.view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!view->isVisible());
}

class MainWindowFixture
{
public:
    // `edit` may change the table's cells (row 0 holds the field names) before the window
    // reads it.
    // With `shipped`, the data folder knows the shipped tables it was copied from.
    explicit MainWindowFixture(const std::function<void(TStrGrid &)> &edit = {},
                               bool shipped = false)
        : m_shipped(shipped)
    {
        installFontSubstitutions();
        m_data.copyShipped(&DataFolder::propFile);
        const QString prop = path(&DataFolder::propFile);
        if (edit) {
            TStrGrid grid;
            grid.setDivChar(QLatin1Char(';'));
            grid.LoadFromFile(prop);
            edit(grid);
            grid.SaveToFile(prop);
        }
        m_store = std::make_unique<ElementStore>(folder());
        form = std::make_unique<TForm1>(state, *m_store, pictures);
        form->show();
    }
    ~MainWindowFixture() { form.reset(); }

    // The element store the window opened, which every other window of a test shows.
    ElementStore &store() const { return *m_store; }
    DataFolder folder() const { return m_shipped ? m_data.folderWithOrigin() : m_data.folder(); }
    QString path(ScratchData::File file) const { return m_data.path(file); }
    QString path(const QString &name) const { return m_data.path(name); }
    // The section files too, for the property sheet.
    bool copySectionFiles() const
    {
        return m_data.copyShipped(&DataFolder::structFile) &&
               m_data.copyShipped(&DataFolder::isoFile);
    }

    TEncartaButton *button(int z) const { return form->elementButton(z); }
    QColor fill(int z) const { return button(z)->Color(); }
    QComboBox *combo() const { return form->findChild<QComboBox *>(QStringLiteral("combobox1")); }
    void choose(int index) const { chooseInList(*combo(), index); }
    void choose(const QString &entry) const { choose(combo()->findText(entry)); }
    template <class T> T *child(const QString &name) const { return form->findChild<T *>(name); }

    // The cell of element z's record in column `field` of a loaded grid.
    static void setCell(TStrGrid &grid, int z, const QString &field, const QString &text)
    {
        grid.setCell(ElementColumns::indexOf(field), z, text);
    }

    ProgramState state;
    PictureSaves pictures;
    std::unique_ptr<TForm1> form;

private:
    bool m_shipped = false;
    ScratchData m_data;
    std::unique_ptr<ElementStore> m_store;
};
