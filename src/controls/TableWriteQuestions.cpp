#include "controls/TableWriteQuestions.h"

#include "controls/ErrorBox.h"
#include "data/ElementStore.h"
#include "data/ElementTable.h"
#include "data/TTextTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <memory>

namespace {

// A wait shorter than this passes unnoticed: most writes of another copy take milliseconds.
constexpr int QuietWaitMs = 1500;

// The wait for another copy's lock, from its first report to the lock taken.
struct LockWait
{
    QElapsedTimer clock;
    QPointer<QProgressDialog> notice;
};

void showNotice(LockWait &wait, const QString &file, QWidget *window)
{
    auto *notice = new QProgressDialog(window);
    notice->setObjectName(QStringLiteral("lockWait"));
    notice->setWindowTitle(programTitle());
    notice->setLabelText(QStringLiteral("Une autre copie du programme est en train d'écrire le "
                                        "fichier « %1 ». Vos modifications y seront "
                                        "enregistrées dès qu'elle aura fini ; veuillez "
                                        "patienter…")
                             .arg(file));
    notice->setCancelButton(nullptr);
    notice->setRange(0, 0);
    notice->setMinimumDuration(0);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->show();
    wait.notice = notice;
}

} // namespace

QString TableWriteQuestions::conflictQuestion(const QString &place, const QString &theirs,
                                              const QString &ours)
{
    return QStringLiteral("%1 a été changé par une autre copie du programme : « %2 ». Garder "
                          "votre valeur « %3 » ?")
        .arg(place, theirs, ours);
}

namespace {

// The window a message of a write stands over: a modal window the write was made from (a
// sheet), else the given one.
QWidget *over(QWidget *window)
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal ? modal : window;
}

template <class Target> void attachTo(Target &target, const QString &file, QWidget *window)
{
    auto wait = std::make_shared<LockWait>();
    target.setWriteObserver([wait, file, window](TableChanges::Step step) {
        using Step = TableChanges::Step;
        if (step == Step::LockBusy)
            wait->clock.start();
        if (step == Step::LockWaiting) {
            // Painting and timers go on; clicks and keys wait, so that nothing starts another
            // write of this program while this one is under way.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (!wait->notice && wait->clock.elapsed() >= QuietWaitMs)
                showNotice(*wait, file, over(window));
        }
        if (step == Step::LockTaken)
            delete wait->notice.data();
    });
    target.setConflictResolver([window](const TableChanges::Conflict &conflict) {
        const QString place =
            ElementTable::placeName(conflict.names, conflict.record, conflict.field);
        QMessageBox box(
            QMessageBox::Question, programTitle(),
            TableWriteQuestions::conflictQuestion(place, conflict.theirs, conflict.ours),
            QMessageBox::NoButton, over(window));
        box.setObjectName(QStringLiteral("writeConflict"));
        QPushButton *keep = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        box.setDefaultButton(keep);
        box.exec();
        return box.clickedButton() == keep;
    });
}

} // namespace

void TableWriteQuestions::attach(TTextTable &table, QWidget *window)
{
    attachTo(table, QFileInfo(table.FileName()).fileName(), window);
}

void TableWriteQuestions::attach(ElementStore &store, QWidget *window)
{
    attachTo(store, QFileInfo(store.folder().propFile()).fileName(), window);
}
